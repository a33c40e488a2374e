#pragma once
// The strip of room tabs in the main dialog. The first tab (the default tab) stands
// for the lobby page and cannot be closed; each opened room adds a tab at the end.
// As many tabs as fit are shown as one contiguous run, scrolled one tab at a time by
// two arrows at the right end. The parent hears of activation changes and closings
// synchronously and does the switching of pages and rooms itself.
#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <deque>
#include <vector>

class CSpinButton;
class CTabButton;

class CMyTabCtrl : public QWidget {
    Q_OBJECT
public:
    // What the tabs and the arrows are drawn with.
    struct Images {
        QPixmap tabInactive;
        QPixmap tabActive;
        QPixmap leftEnabled;
        QPixmap leftDisabled;
        QPixmap rightEnabled;
        QPixmap rightDisabled;

        static Images FromResources();
    };

    explicit CMyTabCtrl(const Images& images = Images::FromResources());
    ~CMyTabCtrl() override;

    // A visible child of `parent` at `rect`, with both arrows disabled.
    void Create(const QRect& rect, QWidget* parent, int controlId);

    // The first tab, active; only into an empty bar.
    void AddDefaultButton(const QString& caption, int key);
    // Activates the tab with `key`, or appends a new active tab for it.
    void AddTabButton(const QString& caption, int key);
    void SetActiveAndShow(int key);
    void CloseTabButton(int key);
    void SetBtGameFlag(int key, bool flag);
    bool AnyGameRunning() const;

    const std::vector<CTabButton*>& Tabs() const { return tabs_; }
    CTabButton* ActiveTab() const { return active_; }
    CSpinButton* LeftArrow() const { return left_; }
    CSpinButton* RightArrow() const { return right_; }

    static constexpr int kDefaultTabId = 8;
    static constexpr int kLeftArrowId = 4;
    static constexpr int kRightArrowId = 5;
    static const QColor kBackground;
    static const QColor kLine;

signals:
    void TabDeactivated(int key);  // WM_USER+20
    void TabActivated(int key);    // WM_USER+21
    void TabClosed(int key);       // WM_USER+22

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // From the tabs (WM_USER+10, +11) and the arrows (WM_USER+12).
    void OnTabClicked(int controlId, int key);
    void OnTabDoubleClicked(int controlId, int key);
    void OnArrow(int controlId);

    CTabButton* NewTab(int controlId, const QString& caption, int key);
    void Activate(CTabButton* tab);
    int IndexOfKey(int key) const;
    int IndexOfId(int controlId) const;
    void RemoveTab(int index);

    // Runs of tabs: [first, last] indexes into tabs_.
    int Room() const { return width() - 50; }
    bool Fits(int first, int last) const;
    int ForwardFill(int first) const;   // the last tab of the run from `first`
    int BackwardFill(int last) const;   // the first tab of the run to `last`
    int FirstShown() const;
    int LastShown() const;
    void ShowRun(int first, int last);
    void UpdateArrows();
    void AppendLayout();
    void BringIntoView();
    void Refill();
    void PlaceArrows();

    Images images_;
    std::vector<CTabButton*> tabs_;
    std::deque<int> freeIds_;
    CTabButton* active_ = nullptr;
    bool hasTabs_ = false;
    CSpinButton* left_ = nullptr;
    CSpinButton* right_ = nullptr;
};
