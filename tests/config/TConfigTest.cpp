#include "TConfig.h"
#include "ConfigTestFiles.h"
#include "TExError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

const TBytes WorkedExample = {0x00, 0x00, 0x00, 0x00, 0x34, 0x12, 0x00, 0x00, 0x02, 0x00, 0x00,
                              0x00, 0x0F, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
                              0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

void SetDefaults(TConfig& config)
{
    config.RunMode = 2;
    config.CheckForwardDays = 15;
    config.AutoCloseMinutes = 1;
    config.AlwaysOnTop = 0;
}

void ExpectOptions(const TConfig& config, int runMode, int forwardDays, int autoClose, int onTop)
{
    EXPECT_EQ(config.RunMode, runMode);
    EXPECT_EQ(config.CheckForwardDays, forwardDays);
    EXPECT_EQ(config.AutoCloseMinutes, autoClose);
    EXPECT_EQ(config.AlwaysOnTop, onTop);
}

TBytes RunModeBytes(const std::string& file)
{
    const TBytes bytes = ReadBytes(file);
    return bytes.size() < 12 ? TBytes{} : TBytes(bytes.begin() + 8, bytes.begin() + 12);
}

template <typename Operation> TExError CatchError(Operation operation)
{
    try {
        operation();
    } catch (const TExError& error) {
        return error;
    }
    ADD_FAILURE() << "no TExError thrown";
    return TExError();
}

std::string CannotOpenLine(const char* method, const char* verb, const std::string& file)
{
    return std::string("TConfig:") + method + " - Error " + verb + " file: " + file + " [Cannot open file " + file +
           "] [id:0]\n";
}

// A file layer serving one in-memory file, able to fail the way real disks do.
class TFakeFiles final : public IConfigFileLayer
{
public:
    TBytes Content;
    bool ReadFails = false;
    std::size_t WriteLimit = TConfig::FileSize; // bytes accepted before the disk is "full"
    bool WriteThrows = false;
    std::string WriteFailureText = "disk on fire";

    std::unique_ptr<IConfigFile> OpenExisting(const std::string&, Access) const override
    {
        return std::make_unique<TFakeFile>(const_cast<TFakeFiles&>(*this));
    }

private:
    class TFakeFile final : public IConfigFile
    {
    public:
        explicit TFakeFile(TFakeFiles& files) : m_files(files) {}
        std::size_t ReadFromStart(unsigned char* buffer, std::size_t size) override
        {
            if (m_files.ReadFails) {
                // A failed read may still have left a whole valid image in the buffer: it is not content.
                std::copy_n(m_files.Content.begin(), std::min(size, m_files.Content.size()), buffer);
                return 0;
            }
            const std::size_t count = std::min(size, m_files.Content.size());
            std::copy_n(m_files.Content.begin(), count, buffer);
            return count;
        }
        std::size_t WriteAtStart(const unsigned char* buffer, std::size_t size) override
        {
            if (m_files.WriteThrows)
                throw std::runtime_error(m_files.WriteFailureText);
            const std::size_t count = std::min(size, m_files.WriteLimit);
            if (m_files.Content.size() < count)
                m_files.Content.resize(count);
            std::copy_n(buffer, count, m_files.Content.begin());
            return count;
        }

    private:
        TFakeFiles& m_files;
    };
};

class TConfigFile : public ::testing::Test
{
protected:
    TTempFolder m_folder;
    std::string m_file = m_folder.File("Nelvora.cfg");
};

} // namespace

TEST_F(TConfigFile, DefaultsAreSavedAsTheWorkedExampleBytes)
{
    WriteBytes(m_file, {});
    TConfig config;
    SetDefaults(config);
    config.Save(m_file);
    EXPECT_EQ(ReadBytes(m_file), WorkedExample);
}

TEST_F(TConfigFile, SavedValuesLoadBackUnchangedIncludingOutOfRangeOnes)
{
    WriteBytes(m_file, {});
    for (const auto& [runMode, days, minutes, onTop] :
         {std::tuple{1, 0, 60, 1}, {2, 1000, -5, 7}, {-128, INT32_MIN, INT32_MAX, -1}, {127, 365, 0, 0}}) {
        TConfig saved;
        saved.RunMode = static_cast<std::int8_t>(runMode);
        saved.CheckForwardDays = days;
        saved.AutoCloseMinutes = minutes;
        saved.AlwaysOnTop = onTop;
        saved.Save(m_file);

        TConfig loaded;
        SetDefaults(loaded);
        loaded.Load(m_file);
        ExpectOptions(loaded, runMode, days, minutes, onTop);
    }
}

TEST_F(TConfigFile, RunModeIsStoredSignExtendedAndLoadedFromItsFirstByteOnly)
{
    WriteBytes(m_file, {});
    TConfig config;
    SetDefaults(config);
    config.RunMode = 1;
    config.Save(m_file);
    EXPECT_EQ(RunModeBytes(m_file), (TBytes{1, 0, 0, 0}));

    config.RunMode = -1;
    config.Save(m_file);
    EXPECT_EQ(RunModeBytes(m_file), (TBytes{0xFF, 0xFF, 0xFF, 0xFF}));

    TBytes bytes = WorkedExample;
    bytes[8] = 0x01;
    bytes[9] = bytes[10] = bytes[11] = 0xFF;
    WriteBytes(m_file, bytes);
    config.RunMode = 2;
    config.Load(m_file);
    EXPECT_EQ(config.RunMode, 1);
}

TEST_F(TConfigFile, ShortFilesWithTheSignatureAreAcceptedAndReadAsZeroPadded)
{
    WriteBytes(m_file, {0x00, 0x00, 0x00, 0x00, 0x34, 0x12});
    TConfig config;
    SetDefaults(config);
    config.Load(m_file);
    ExpectOptions(config, 0, 0, 0, 0);

    for (std::size_t size = 24; size < 32; ++size) {
        TBytes bytes(WorkedExample.begin(), WorkedExample.begin() + static_cast<std::ptrdiff_t>(size));
        bytes[12] = 0x2A;
        WriteBytes(m_file, bytes);
        SetDefaults(config);
        config.Load(m_file);
        ExpectOptions(config, 2, 42, 1, 0);
    }
}

TEST_F(TConfigFile, RejectedFileLogsSignatureLineThenLoadLineAndKeepsTheFields)
{
    TBytes swapped = WorkedExample;
    swapped[4] = 0x00;
    swapped[5] = 0x00;
    swapped[6] = 0x12;
    swapped[7] = 0x34;
    // The signature is the whole dword: a matching low word is not enough.
    TBytes highWordSet = WorkedExample;
    highWordSet[6] = 0x01;
    TBytes highWordAllOnes = WorkedExample;
    highWordAllOnes[6] = highWordAllOnes[7] = 0xFF;
    for (const TBytes& bytes :
         {TBytes{}, TBytes{0x00, 0x00, 0x00, 0x00, 0x34}, swapped, highWordSet, highWordAllOnes}) {
        WriteBytes(m_file, bytes);
        TConfig config;
        SetDefaults(config);
        const TExError error = CatchError([&] { config.Load(m_file); });
        EXPECT_EQ(std::string(error.Log),
                  ": - Invalid config file signature [id:0]\nTConfig:Load - Error loading file: " + m_file +
                      " [id:0]\n");
        ExpectOptions(config, 2, 15, 1, 0);
    }
}

TEST_F(TConfigFile, LongFileIsReadOnlyToItsImageAndKeepsItsTailOnSave)
{
    TBytes bytes = WorkedExample;
    bytes[16] = 0x09;
    const TBytes tail = {0xDE, 0xAD, 0xBE, 0xEF, 0x34, 0x12, 0x00, 0x00};
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    WriteBytes(m_file, bytes);

    TConfig config;
    config.Load(m_file);
    ExpectOptions(config, 2, 15, 9, 0);

    config.AlwaysOnTop = 1;
    config.Save(m_file);
    TBytes expected = bytes;
    expected[20] = 0x01;
    EXPECT_EQ(ReadBytes(m_file), expected);
}

TEST_F(TConfigFile, MissingFileFailsBothOperationsAndIsNotCreated)
{
    TConfig config;
    SetDefaults(config);
    TExError error = CatchError([&] { config.Load(m_file); });
    EXPECT_EQ(std::string(error.Log), CannotOpenLine("Load", "loading", m_file));
    EXPECT_EQ(error.Id, 0);
    ExpectOptions(config, 2, 15, 1, 0);

    error = CatchError([&] { config.Save(m_file); });
    EXPECT_EQ(std::string(error.Log), CannotOpenLine("Save", "saving", m_file));
    EXPECT_FALSE(std::filesystem::exists(m_file));
}

TEST_F(TConfigFile, LongFileNameIsCutInTheMessage)
{
    const std::string name = m_folder.File(std::string(150, 'n'));
    TConfig config;
    const TExError error = CatchError([&] { config.Load(name); });
    EXPECT_EQ(std::strlen(error.Message), 127u);
    EXPECT_EQ(std::string(error.Message), ("Error loading file: " + name).substr(0, 127));
}

TEST(TConfigFaults, ShortWriteIsReportedNotTakenForSuccess)
{
    TFakeFiles files;
    files.WriteLimit = 10;
    TConfig config(files);
    SetDefaults(config);
    const TExError error = CatchError([&] { config.Save("Nelvora.cfg"); });
    EXPECT_STREQ(error.Log,
                 "TConfig:Save - Error saving file: Nelvora.cfg [Cannot write file Nelvora.cfg (10 of 32 bytes "
                 "written)] [id:0]\n");
}

TEST(TConfigFaults, FailedWriteCarriesTheFileLayerTextOrNullWhenItHasNone)
{
    TFakeFiles files;
    files.WriteThrows = true;
    TConfig config(files);
    TExError error = CatchError([&] { config.Save("Nelvora.cfg"); });
    EXPECT_STREQ(error.Message, "Error saving file: Nelvora.cfg [disk on fire]");

    files.WriteFailureText.clear();
    error = CatchError([&] { config.Save("Nelvora.cfg"); });
    EXPECT_STREQ(error.Message, "Error saving file: Nelvora.cfg [(null)]");
}

TEST(TConfigFaults, FailedReadCountsAsAnEmptyFile)
{
    TFakeFiles files;
    files.Content = WorkedExample;
    files.ReadFails = true;
    TConfig config(files);
    const TExError error = CatchError([&] { config.Load("Nelvora.cfg"); });
    EXPECT_STREQ(error.Log, ": - Invalid config file signature [id:0]\nTConfig:Load - Error loading file: Nelvora.cfg "
                            "[id:0]\n");
}

TEST(TConfigFaults, OtherFailuresPassThroughUnchanged)
{
    class TThrowingFiles final : public IConfigFileLayer
    {
    public:
        std::unique_ptr<IConfigFile> OpenExisting(const std::string&, Access) const override { throw 42; }
    };
    TThrowingFiles files;
    TConfig config(files);
    EXPECT_THROW(config.Load("x"), int);
    EXPECT_THROW(config.Save("x"), int);
}

TEST_F(TConfigFile, RemindWithLivesAtOffset24AndOldZeroFilesMeanWindowAndNotification)
{
    struct TCase
    {
        std::int32_t Stored;
        std::int32_t Mode;
    };
    for (const TCase& c : {TCase{0, TConfig::RemindWindowAndNotification},
                           {1, TConfig::RemindWindowOnly},
                           {2, TConfig::RemindNotificationOnly},
                           {3, TConfig::RemindWindowAndNotification},
                           {-1, TConfig::RemindWindowAndNotification}}) {
        TBytes image = WorkedExample;
        for (int i = 0; i < 4; ++i)
            image[24 + i] = static_cast<unsigned char>(static_cast<std::uint32_t>(c.Stored) >> (8 * i));
        WriteBytes(m_file, image);
        TConfig loaded;
        SetDefaults(loaded);
        loaded.Load(m_file);
        EXPECT_EQ(loaded.RemindWith, c.Stored);
        EXPECT_EQ(loaded.RemindWithMode(), c.Mode) << c.Stored;
        ExpectOptions(loaded, 2, 15, 1, 0);
        // Saving writes back what it loaded.
        loaded.Save(m_file);
        EXPECT_EQ(ReadBytes(m_file), image);
    }
    // A file that ends before offset 24, as the shortest accepted ones do, reads as the default.
    WriteBytes(m_file, TBytes(WorkedExample.begin(), WorkedExample.begin() + 24));
    TConfig shortFile;
    shortFile.RemindWith = 2;
    shortFile.Load(m_file);
    EXPECT_EQ(shortFile.RemindWithMode(), TConfig::RemindWindowAndNotification);
}

TEST_F(TConfigFile, RemindAtLivesAtOffset28AndAnythingOutsideADayMeansTheDayChange)
{
    struct TCase
    {
        std::int32_t Stored;
        std::int32_t Minutes;
    };
    for (const TCase& c : {TCase{0, 0}, {540, 540}, {1439, 1439}, {1440, 0}, {-1, 0}}) {
        TBytes image = WorkedExample;
        for (int i = 0; i < 4; ++i)
            image[28 + i] = static_cast<unsigned char>(static_cast<std::uint32_t>(c.Stored) >> (8 * i));
        WriteBytes(m_file, image);
        TConfig loaded;
        loaded.Load(m_file);
        EXPECT_EQ(loaded.RemindAtMinutes(), c.Minutes) << c.Stored;
        ExpectOptions(loaded, 2, 15, 1, 0);
        loaded.Save(m_file);
        EXPECT_EQ(ReadBytes(m_file), image) << "saved back as loaded: " << c.Stored;
    }
    // Files written before the option ended at offset 28 or earlier.
    for (const std::size_t size : {std::size_t{24}, std::size_t{28}, std::size_t{30}}) {
        TBytes image = WorkedExample;
        image[28] = 0x1c; // 540 = 0x021c, cut short
        image[29] = 0x02;
        WriteBytes(m_file, TBytes(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size)));
        TConfig shortFile;
        shortFile.RemindAt = 540;
        shortFile.Load(m_file);
        EXPECT_EQ(shortFile.RemindAtMinutes(), size == 30 ? 540 : 0) << size;
    }
}
