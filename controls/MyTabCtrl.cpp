#include "controls/MyTabCtrl.h"

#include "controls/SpinButton.h"
#include "controls/TabButton.h"
#include "platform/MessageBoxes.h"
#include "platform/Resources.h"
#include "res/ResourceIds.h"

#include <QPainter>

#include <algorithm>

const QColor CMyTabCtrl::kBackground(230, 230, 200);
const QColor CMyTabCtrl::kLine(140, 120, 100);

namespace {

constexpr int kRunLeft = 5;
constexpr int kGap = 2;
constexpr int kArrowSize = 20;

} // namespace

CMyTabCtrl::Images CMyTabCtrl::Images::FromResources()
{
    return {platform::Bitmap(res::IDB_TAB_INACTIVE), platform::Bitmap(res::IDB_TAB_ACTIVE),
            platform::Bitmap(res::IDB_LEFT_ENABLED), platform::Bitmap(res::IDB_LEFT_DISABLED),
            platform::Bitmap(res::IDB_RIGHT_ENABLED), platform::Bitmap(res::IDB_RIGHT_DISABLED)};
}

CMyTabCtrl::CMyTabCtrl(const Images& images)
    : images_(images), left_(new CSpinButton(kLeftArrowId, this)), right_(new CSpinButton(kRightArrowId, this))
{
    left_->SetImages(images_.leftEnabled, images_.leftDisabled);
    right_->SetImages(images_.rightEnabled, images_.rightDisabled);
    for (CSpinButton* arrow : {left_, right_}) {
        arrow->setEnabled(false);
        connect(arrow, &CSpinButton::Pressed, this, &CMyTabCtrl::OnArrow);
    }
    PlaceArrows();
}

CMyTabCtrl::~CMyTabCtrl() = default;

void CMyTabCtrl::Create(const QRect& rect, QWidget* parent, int controlId)
{
    setParent(parent);
    setObjectName(QString::number(controlId));
    setGeometry(rect);
    PlaceArrows();
    show();
}

// ---- the parent's operations

void CMyTabCtrl::AddDefaultButton(const QString& caption, int key)
{
    if (!tabs_.empty())
        return;
    CTabButton* tab = NewTab(kDefaultTabId, caption, key);
    tab->move(kRunLeft, height() - CTabButton::kHeight);
    tab->show();
    tabs_.push_back(tab);
    active_ = tab;
    hasTabs_ = true;
}

void CMyTabCtrl::AddTabButton(const QString& caption, int key)
{
    const int existing = IndexOfKey(key);
    if (existing >= 0) {
        Activate(tabs_[existing]);
        if (active_->isHidden())
            BringIntoView();
        return;
    }
    int controlId = static_cast<int>(tabs_.size()) + 10;
    if (!freeIds_.empty()) {
        controlId = freeIds_.front();
        freeIds_.pop_front();
    }
    CTabButton* tab = NewTab(controlId, caption, key);
    tabs_.push_back(tab);
    Activate(tab);
    AppendLayout();
}

void CMyTabCtrl::SetActiveAndShow(int key)
{
    const int index = IndexOfKey(key);
    if (index < 0) {
        platform::MessageBox(QStringLiteral("[CMyTabCtrl::SetActiveAndShow]ERROR没有找到"));
        return;
    }
    if (tabs_[index] == active_) {
        platform::MessageBox(QStringLiteral("ERROR,要设置的按扭不应该是活动的"));
        return;
    }
    Activate(tabs_[index]);
    if (active_->isHidden())
        BringIntoView();
}

void CMyTabCtrl::CloseTabButton(int key)
{
    int index = static_cast<int>(tabs_.size()) - 1;
    while (index >= 0 && tabs_[index]->Key() != key)
        --index;
    if (index < 0) {
        platform::MessageBox(QStringLiteral("[CMyTabCtrl::SetActiveAndShow]ERROR没有找到"));
        return;
    }
    CTabButton* tab = tabs_[index];
    emit TabClosed(key);
    // The parent may have changed the bar while it handled the closing.
    const auto it = std::find(tabs_.begin(), tabs_.end(), tab);
    if (it == tabs_.end())
        return;
    index = static_cast<int>(it - tabs_.begin());
    const bool wasActive = tab == active_;
    const bool wasShown = !tab->isHidden();
    RemoveTab(index);
    if (wasActive) {
        active_ = nullptr;
        if (index > 0) {
            Activate(tabs_[index - 1]);
            emit TabActivated(active_->Key());
        } else {
            platform::MessageBox(QStringLiteral("CMyTabCtrl::CloseTabButton,前一个位置怎么空了，DEFAULT BT呢"));
        }
    }
    if (wasShown)
        Refill();
}

void CMyTabCtrl::SetBtGameFlag(int key, bool flag)
{
    const int index = IndexOfKey(key);
    if (index < 0) {
        platform::MessageBox(QStringLiteral("[CMyTabCtrl::SetBtGameFlag]没有找到？"));
        return;
    }
    tabs_[index]->SetGameFlag(flag);
}

bool CMyTabCtrl::AnyGameRunning() const
{
    return std::any_of(tabs_.begin(), tabs_.end(), [](const CTabButton* tab) { return tab->GameFlag(); });
}

// ---- messages from the tabs and the arrows

void CMyTabCtrl::OnTabClicked(int controlId, int)
{
    const int index = IndexOfId(controlId);
    if (index < 0)
        return;
    CTabButton* tab = tabs_[index];
    if (tab == active_) {
        tab->update();
        return;
    }
    CTabButton* previous = active_;
    Activate(tab);
    if (previous)
        emit TabDeactivated(previous->Key());
    emit TabActivated(tab->Key());
}

void CMyTabCtrl::OnTabDoubleClicked(int controlId, int key)
{
    const int index = IndexOfId(controlId);
    if (index < 0)
        return;
    CTabButton* tab = tabs_[index];
    if (controlId == kDefaultTabId) {
        OnTabClicked(controlId, key);
        UpdateArrows();
        return;
    }
    const int last = static_cast<int>(tabs_.size()) - 1;
    CTabButton* neighbour = index < last ? tabs_[index + 1] : index > 0 ? tabs_[index - 1] : nullptr;
    if (neighbour && neighbour != active_) {
        CTabButton* previous = active_;
        Activate(neighbour);
        if (previous)
            emit TabDeactivated(previous->Key());
        emit TabActivated(neighbour->Key());
    }
    emit TabClosed(tab->Key());
    const auto it = std::find(tabs_.begin(), tabs_.end(), tab);
    if (it == tabs_.end())
        return;
    if (tab == active_)
        active_ = nullptr;
    RemoveTab(static_cast<int>(it - tabs_.begin()));
    Refill();
}

void CMyTabCtrl::OnArrow(int controlId)
{
    const int last = static_cast<int>(tabs_.size()) - 1;
    if (controlId == kLeftArrowId) {
        const int firstShown = FirstShown();
        if (firstShown <= 0)
            return;
        const int end = ForwardFill(firstShown - 1);
        if (end == last)
            platform::MessageBox(QStringLiteral("ERROR:有问题"));
        ShowRun(firstShown - 1, end);
    } else if (controlId == kRightArrowId) {
        const int lastShown = LastShown();
        if (lastShown < 0 || lastShown == last)
            return;
        const int start = BackwardFill(lastShown + 1);
        if (start == 0)
            platform::MessageBox(QStringLiteral("ERROR:有问题"));
        ShowRun(start, lastShown + 1);
    }
}

// ---- tabs

CTabButton* CMyTabCtrl::NewTab(int controlId, const QString& caption, int key)
{
    auto* tab = new CTabButton(controlId, images_.tabInactive, images_.tabActive, this);
    tab->hide();
    tab->Set(caption, key, true);
    connect(tab, &CTabButton::Clicked, this, &CMyTabCtrl::OnTabClicked);
    connect(tab, &CTabButton::DoubleClicked, this, &CMyTabCtrl::OnTabDoubleClicked);
    return tab;
}

void CMyTabCtrl::Activate(CTabButton* tab)
{
    if (active_ && active_ != tab)
        active_->SetActive(false);
    active_ = tab;
    tab->SetActive(true);
}

int CMyTabCtrl::IndexOfKey(int key) const
{
    const auto it = std::find_if(tabs_.begin(), tabs_.end(), [key](const CTabButton* t) { return t->Key() == key; });
    return it == tabs_.end() ? -1 : static_cast<int>(it - tabs_.begin());
}

int CMyTabCtrl::IndexOfId(int controlId) const
{
    const auto it = std::find_if(tabs_.begin(), tabs_.end(),
                                 [controlId](const CTabButton* t) { return t->ControlId() == controlId; });
    return it == tabs_.end() ? -1 : static_cast<int>(it - tabs_.begin());
}

void CMyTabCtrl::RemoveTab(int index)
{
    CTabButton* tab = tabs_[index];
    freeIds_.push_back(tab->ControlId());
    tabs_.erase(tabs_.begin() + index);
    disconnect(tab, nullptr, this, nullptr);
    tab->hide();
    // A double-click closes the tab from inside its own event handler.
    tab->deleteLater();
}

// ---- runs

bool CMyTabCtrl::Fits(int first, int last) const
{
    int width = -kGap;
    for (int i = first; i <= last; ++i)
        width += tabs_[i]->width() + kGap;
    return width <= Room();
}

int CMyTabCtrl::ForwardFill(int first) const
{
    int last = first;
    while (last + 1 < static_cast<int>(tabs_.size()) && Fits(first, last + 1))
        ++last;
    return last;
}

int CMyTabCtrl::BackwardFill(int last) const
{
    int first = last;
    while (first > 0 && Fits(first - 1, last))
        --first;
    return first;
}

int CMyTabCtrl::FirstShown() const
{
    for (size_t i = 0; i < tabs_.size(); ++i) {
        if (!tabs_[i]->isHidden())
            return static_cast<int>(i);
    }
    return -1;
}

int CMyTabCtrl::LastShown() const
{
    for (int i = static_cast<int>(tabs_.size()) - 1; i >= 0; --i) {
        if (!tabs_[i]->isHidden())
            return i;
    }
    return -1;
}

void CMyTabCtrl::ShowRun(int first, int last)
{
    int x = kRunLeft;
    for (int i = 0; i < static_cast<int>(tabs_.size()); ++i) {
        CTabButton* tab = tabs_[i];
        if (i < first || i > last) {
            tab->hide();
            continue;
        }
        tab->move(x, height() - CTabButton::kHeight);
        tab->show();
        x += tab->width() + kGap;
    }
    UpdateArrows();
}

void CMyTabCtrl::UpdateArrows()
{
    left_->setEnabled(!tabs_.empty() && tabs_.front()->isHidden());
    right_->setEnabled(!tabs_.empty() && tabs_.back()->isHidden());
}

void CMyTabCtrl::AppendLayout()
{
    const int last = static_cast<int>(tabs_.size()) - 1;
    CTabButton* tab = tabs_[last];
    if (last > 0 && !tabs_[last - 1]->isHidden()) {
        const int previousRight = tabs_[last - 1]->x() + tabs_[last - 1]->width();
        if (previousRight + kGap + tab->width() < width() - 45) {
            tab->move(previousRight + kGap, height() - CTabButton::kHeight);
            tab->show();
            return;
        }
    }
    ShowRun(BackwardFill(last), last);
}

void CMyTabCtrl::BringIntoView()
{
    const auto it = std::find(tabs_.begin(), tabs_.end(), active_);
    if (it == tabs_.end())
        return;
    const int index = static_cast<int>(it - tabs_.begin());
    const int firstShown = FirstShown();
    if (firstShown >= 0 && firstShown <= index)
        ShowRun(BackwardFill(index), index);
    else
        ShowRun(index, ForwardFill(index));
}

void CMyTabCtrl::Refill()
{
    if (tabs_.empty()) {
        UpdateArrows();
        return;
    }
    const int first = std::max(FirstShown(), 0);
    const int last = ForwardFill(first);
    ShowRun(last == static_cast<int>(tabs_.size()) - 1 ? BackwardFill(last) : first, last);
}

// ---- painting and size

void CMyTabCtrl::PlaceArrows()
{
    const int w = width();
    const int top = height() - 22;
    left_->setGeometry(w - 45, top, kArrowSize, kArrowSize);
    right_->setGeometry(w - 24, top, kArrowSize, kArrowSize);
}

void CMyTabCtrl::resizeEvent(QResizeEvent*)
{
    PlaceArrows();
    if (hasTabs_ && isVisible())
        Refill();
}

void CMyTabCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setPen(kLine);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}
