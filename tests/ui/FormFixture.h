#pragma once

#include "FakeServices.h"
#include "FakeWab.h"
#include "TFormMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

// A window over fakes, in a private working directory (the options file name is relative). Today is 15 June 2026
// unless a test moves the clock.
class FormFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_oldDir = QDir::currentPath();
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
        FakeWab::Reset();
        Clock.Set(2026, 6, 15);
    }

    void TearDown() override
    {
        Form.reset();
        QDir::setCurrent(m_oldDir);
        EXPECT_EQ(FakeWab::OutstandingBuffers(), 0);
        FakeWab::Reset();
    }

    // The options file as Save writes it.
    static QByteArray ConfigImage(std::int32_t runMode, std::int32_t forward, std::int32_t autoClose,
                                  std::int32_t onTop)
    {
        QByteArray image(32, '\0');
        auto put = [&image](int offset, std::int32_t value) {
            for (int i = 0; i < 4; ++i)
                image[offset + i] = static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
        };
        put(4, 0x1234);
        put(8, runMode);
        put(12, forward);
        put(16, autoClose);
        put(20, onTop);
        return image;
    }

    void WriteConfig(std::int32_t runMode, std::int32_t forward = 15, std::int32_t autoClose = 1,
                     std::int32_t onTop = 0)
    {
        QFile file(QStringLiteral("Nelvora.cfg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(ConfigImage(runMode, forward, autoClose, onTop));
    }

    static QByteArray ReadConfig()
    {
        QFile file(QStringLiteral("Nelvora.cfg"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TPlatformServices Services(const std::string& argument = "")
    {
        TPlatformServices services{Dialogs,  Clipboard,   Tray,     Clock,     DateFormat,
                                   Launcher, Application, argument, &Registry, &Loader};
        services.Notifier = &Notifier;
        services.DayWatch = &DayWatch;
        return services;
    }

    // Construction only.
    TFormMain& Create(const std::string& argument = "")
    {
        Form = std::make_unique<TFormMain>(Services(argument));
        return *Form;
    }

    // What the program entry does before its event loop.
    TFormMain& Start(const std::string& argument = "")
    {
        Create(argument);
        Form->FormCreate();
        Form->show();
        return *Form;
    }

    // Started, first tick handled.
    TFormMain& Run(const std::string& argument = "")
    {
        Start(argument);
        Form->TimerTimer();
        return *Form;
    }

    // A contact whose birthday is today, so that a check finds something due.
    void AddDueContact(const std::string& name = "Ben")
    {
        const Calendar::CivilDate today = Calendar::CivilFromDay(Calendar::WholeDay(Clock.Day));
        FakeWab::Contacts.push_back(
            {name, FakeWab::TDay{1970, static_cast<int>(today.Month), static_cast<int>(today.Day)}, std::nullopt});
    }

    template <typename T> T* Find(const char* name) const
    {
        T* child = Form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    bool OptionsTabVisible() const;
    int RowCount() const;
    bool AutoCloseEnabled() const;
    bool TimerEnabled(const char* name) const;

    std::vector<TFakeDialogs::TBox> BoxesOf(const QString& kind) const
    {
        std::vector<TFakeDialogs::TBox> boxes;
        for (const auto& box : Dialogs.Boxes)
            if (box.Kind == kind)
                boxes.push_back(box);
        return boxes;
    }

    TFakeDialogs Dialogs;
    TFakeClipboard Clipboard;
    TFakeTray Tray;
    TFakeClock Clock;
    TFakeDateFormat DateFormat;
    TFakeLauncher Launcher;
    TFakeApplication Application;
    TFakeRegistry Registry;
    TFakeLoader Loader;
    TFakeNotifier Notifier;
    TFakeDayWatch DayWatch;
    std::unique_ptr<TFormMain> Form;

private:
    QTemporaryDir m_dir;
    QString m_oldDir;
};
