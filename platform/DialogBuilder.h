#pragma once
// Creates the widgets of a dialog template inside a dialog: every control at its
// place in pixels (dialog units of the template's font), with its text, style and
// visibility. A caller may create a control as its own class (as a Windows dialog
// subclasses a control) by giving a factory for its id.
#include "platform/DialogUnits.h"
#include "res/DialogTemplate.h"

#include <QFont>

#include <functional>
#include <map>

class QWidget;

namespace platform {

class DialogBuilder {
public:
    // Makes the widget for a control, as a child of `parent`; the builder then places it.
    using Factory = std::function<QWidget*(const res::ControlTemplate& control, QWidget* parent)>;

    // `dialog` must outlive the builder.
    explicit DialogBuilder(const res::DialogTemplate& dialog);

    DialogBuilder& Replace(int controlId, Factory factory);

    // Gives `dialog` the template's font, caption, window style and client size (the
    // size is not fixed: the dialogs size themselves) and creates the controls in it.
    // Returns the controls that have an id.
    std::map<int, QWidget*> Build(QWidget& dialog) const;

    const QFont& Font() const { return font_; }
    const DialogUnits& Units() const { return units_; }
    // A control's place in pixels, as the template gives it.
    QRect Rect(const res::ControlTemplate& control) const;
    QSize ClientSize() const;

private:
    QWidget* Create(const res::ControlTemplate& control, QWidget& parent) const;
    void ApplyWindowStyle(QWidget& dialog) const;

    const res::DialogTemplate& template_;
    QFont font_;
    DialogUnits units_;
    std::map<int, Factory> factories_;
};

} // namespace platform
