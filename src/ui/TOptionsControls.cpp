#include "TOptionsControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTimeEdit>

void TOptionsControls::Show(const TConfig& config) const
{
    RunMode->setCurrentIndex(config.RunMode == 1 ? 0 : 1);
    // The spin fields hold 16-bit positions and clamp what lies outside their range.
    Forward->setValue(static_cast<std::int16_t>(config.CheckForwardDays));
    AutoClose->setValue(static_cast<std::int16_t>(config.AutoCloseMinutes));
    AlwaysOnTop->setChecked(config.AlwaysOnTop != 0);
    RemindWith->setCurrentIndex(config.RemindWithMode());
    RemindAt->setTime(QTime(config.RemindAtMinutes() / 60, config.RemindAtMinutes() % 60));
}

void TOptionsControls::Read(TConfig& config) const
{
    config.RunMode = RunMode->currentIndex() == 0 ? 1 : 2;
    config.CheckForwardDays = static_cast<std::int16_t>(Forward->value());
    config.AutoCloseMinutes = static_cast<std::int16_t>(AutoClose->value());
    config.AlwaysOnTop = AlwaysOnTop->isChecked() ? 1 : 0;
    config.RemindWith = RemindWith->currentIndex();
    config.RemindAt = RemindAt->time().hour() * 60 + RemindAt->time().minute();
}
