#pragma once

#include "TAddressBooksModel.h"

#include <QWidget>

#include <functional>
#include <string>

class IOnlineBooks;
class QLabel;
class QProgressBar;
class QPushButton;
struct TExError;
class TStoreListView;

// The "Address books" page: every store the program reads with its state and the box that leaves it out, and,
// where the program has online books, their accounts, "Sync Now" and the progress of a running sync.
class TAddressBooksPage final : public QWidget
{
public:
    // `online` may be null (no online books); it must outlive the page. `excludedFile` keeps the choice.
    TAddressBooksPage(IOnlineBooks* online, std::string excludedFile, QWidget* parent = nullptr);

    // The stores of the last check.
    void SetStores(const std::vector<TStoreInfo>& stores);
    // The saved choice, as loaded at start.
    void SetExcluded(const std::vector<std::string>& paths);
    // A sync's report.
    void SetProgress(const TOnlineProgress& progress);

    const TAddressBooksModel& Model() const { return m_model; }
    TStoreListView* List() const { return m_list; }

    // The choice was kept in its file: the next reading follows it.
    std::function<void(const std::vector<std::string>& excluded)> OnChoiceChanged;
    // The choice could not be kept; the box went back.
    std::function<void(const TExError& error)> OnChoiceFailed;

private:
    void Show();
    bool LeaveOut(const std::string& name, bool leftOut);

    IOnlineBooks* m_online;
    std::string m_excludedFile;
    TAddressBooksModel m_model;
    TStoreListView* m_list;
    QPushButton* m_syncNow = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_progressText = nullptr;
};
