#include "platform/DialogBuilder.h"

#include "platform/Fonts.h"
#include "platform/Resources.h"
#include "platform/StaticControl.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace platform {
namespace {

using res::ControlKind;
using res::ControlTemplate;

QString Text(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QWidget* MakeButton(const ControlTemplate& c, QWidget* parent)
{
    auto* button = new QPushButton(Text(c.text), parent);
    button->setDefault(c.kind == ControlKind::DefaultButton);
    return button;
}

QWidget* MakeEdit(const ControlTemplate& c, QWidget* parent)
{
    if (c.Has(res::kMultiline)) {
        auto* edit = new QPlainTextEdit(Text(c.text), parent);
        edit->setReadOnly(c.Has(res::kReadOnly));
        edit->setVerticalScrollBarPolicy(c.Has(res::kVScroll) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        return edit;
    }
    auto* edit = new QLineEdit(Text(c.text), parent);
    edit->setReadOnly(c.Has(res::kReadOnly));
    if (c.Has(res::kPassword))
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

StaticControl* MakeStatic(const ControlTemplate& c, QWidget* parent)
{
    auto* label = new StaticControl(parent);
    label->SetNotify(c.Has(res::kNotify));
    if (c.Has(res::kSunken)) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    switch (c.kind) {
    case ControlKind::Picture:
        label->setPixmap(Bitmap(c.image));
        break;
    case ControlKind::Icon:
        label->setPixmap(Icon(c.image).pixmap(32, 32));
        break;
    default:
        label->setText(Text(c.text));
        label->setWordWrap(true);
        label->setAlignment(c.Has(res::kCentred) ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
        break;
    }
    return label;
}

QWidget* MakeCombo(const ControlTemplate& c, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    for (const std::string& item : c.items)
        combo->addItem(Text(item));
    return combo;
}

QWidget* MakeTree(const ControlTemplate& c, QWidget* parent)
{
    auto* tree = new QTreeWidget(parent);
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(c.Has(res::kLinesAtRoot));
    return tree;
}

QWidget* MakeDefault(const ControlTemplate& c, QWidget* parent)
{
    switch (c.kind) {
    case ControlKind::Button:
    case ControlKind::DefaultButton:
    case ControlKind::OwnerDrawButton:
        return MakeButton(c, parent);
    case ControlKind::Edit:
        return MakeEdit(c, parent);
    case ControlKind::GroupBox:
        return new QGroupBox(Text(c.text), parent);
    case ControlKind::ComboBox:
        return MakeCombo(c, parent);
    case ControlKind::TreeView:
        return MakeTree(c, parent);
    case ControlKind::Static:
    case ControlKind::Picture:
    case ControlKind::Icon:
        break;
    }
    return MakeStatic(c, parent);
}

} // namespace

DialogBuilder::DialogBuilder(const res::DialogTemplate& dialog)
    : template_(dialog)
    , font_(PointFont(Text(dialog.fontFace), dialog.pointSize))
    , units_(font_)
{
}

DialogBuilder& DialogBuilder::Replace(int controlId, Factory factory)
{
    factories_[controlId] = std::move(factory);
    return *this;
}

QRect DialogBuilder::Rect(const ControlTemplate& c) const
{
    return units_.Rect(c.x, c.y, c.width, c.height);
}

QSize DialogBuilder::ClientSize() const
{
    return units_.Size(template_.width, template_.height);
}

std::map<int, QWidget*> DialogBuilder::Build(QWidget& dialog) const
{
    dialog.setFont(font_);
    dialog.setWindowTitle(Text(template_.caption));
    ApplyWindowStyle(dialog);
    dialog.resize(ClientSize());
    std::map<int, QWidget*> controls;
    for (const ControlTemplate& c : template_.controls) {
        QWidget* widget = Create(c, dialog);
        if (c.id != res::IDC_STATIC) {
            widget->setObjectName(QString::number(c.id));
            controls[c.id] = widget;
        }
    }
    return controls;
}

QWidget* DialogBuilder::Create(const ControlTemplate& c, QWidget& parent) const
{
    auto factory = factories_.find(c.id);
    QWidget* widget = factory != factories_.end() ? factory->second(c, &parent) : MakeDefault(c, &parent);
    QRect place = Rect(c);
    if (c.kind == ControlKind::ComboBox) {
        // The template height includes the open list; the closed box is one line high.
        auto* combo = qobject_cast<QComboBox*>(widget);
        const int boxHeight = widget->sizeHint().height();
        if (combo)
            combo->setMaxVisibleItems(std::max(1, (place.height() - boxHeight) / combo->fontMetrics().height()));
        place.setHeight(boxHeight);
    }
    auto* label = qobject_cast<QLabel*>(widget);
    if (label && c.kind != ControlKind::Static && label->pixmap().width() > 0) {
        // A picture static takes the size of its picture, around it its frame.
        const int frame = 2 * label->frameWidth();
        place.setSize(label->pixmap().size() + QSize(frame, frame));
    }
    widget->setGeometry(place);
    widget->setEnabled(!c.Has(res::kDisabled));
    widget->setVisible(!c.Has(res::kHidden));
    return widget;
}

void DialogBuilder::ApplyWindowStyle(QWidget& dialog) const
{
    if (!dialog.isWindow())
        return;
    Qt::WindowFlags flags = template_.Has(res::kAppWindow) ? Qt::Window : dialog.windowType();
    if (!template_.Has(res::kCaption)) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (template_.Has(res::kSysMenu))
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (template_.Has(res::kMinimizeBox))
            flags |= Qt::WindowMinimizeButtonHint;
        if (template_.Has(res::kMaximizeBox))
            flags |= Qt::WindowMaximizeButtonHint;
    }
    if (!template_.Has(res::kSizingBorder))
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    dialog.setWindowFlags(flags);
}

} // namespace platform
