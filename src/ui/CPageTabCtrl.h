// The tab control of the main window: one page shown at a time, each page remembering the
// control that last had the keyboard focus on it, Shift+Left for the previous tab, and every
// page command passed on through `pageCommand`.
#pragma once

#include <QPointer>
#include <QTabWidget>
#include <vector>

namespace quillex {

class CTabPage;

class CPageTabCtrl : public QTabWidget {
    Q_OBJECT
public:
    explicit CPageTabCtrl(QWidget* parent = nullptr);
    ~CPageTabCtrl() override;

    // Appends a tab; returns its index, or -1 without a page. A page without an accessible name
    // takes the title. The tab control does not own the page object's lifetime decisions: the
    // main window owns the pages (they are children).
    int AddPage(const QString& title, int data, CTabPage* page);
    // Shows the tab's page and gives the focus to the control remembered for it.
    bool SelectPage(int index);
    CTabPage* Page(int index) const;

signals:
    void pageCommand(int commandId);

protected:
    // Whether a page's first control takes the focus the first time it is shown.
    virtual bool InitialFocus(int index, int data);
    virtual void PageActivated(int index, int data);
    virtual void PageDeactivating(int index, int data);

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // Shift+Left on the tab strip.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A page destroyed by its owner takes its tab along; its entry goes with it.
    void tabRemoved(int index) override;

private:
    struct Tab {
        QPointer<CTabPage> page;
        QPointer<QWidget> focus;
        int data;
        bool firstControl;  // no control remembered yet: the page's first control takes it
    };
    void RememberFocus(int index);
    void RestoreFocus(int index);
    void OnCurrentChanged(int index);
    void OnFocusChanged(QWidget* now);
    void SelectPrevious();

    std::vector<Tab> tabs_;
    int current_ = -1;
};

}  // namespace quillex
