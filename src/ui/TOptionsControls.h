#pragma once

#include "TConfig.h"

class QCheckBox;
class QComboBox;
class QSpinBox;
class QTimeEdit;

// The Options page's controls and the options they stand for, in both directions.
struct TOptionsControls
{
    QComboBox* RunMode = nullptr;
    QSpinBox* Forward = nullptr;
    QSpinBox* AutoClose = nullptr;
    QCheckBox* AlwaysOnTop = nullptr;
    QComboBox* RemindWith = nullptr;
    QTimeEdit* RemindAt = nullptr;

    void Show(const TConfig& config) const;
    // Takes what the controls show into `config`; everything else in it stays.
    void Read(TConfig& config) const;
};
