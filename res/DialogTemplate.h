#pragma once
// A dialog template as data: the dialog's caption, font, size and style, and its
// controls with ids, kinds, texts and positions, all in dialog units. The builder in
// platform/ turns one into widgets.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace res {

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
// Labels and frames that nobody addresses.
inline constexpr int IDC_STATIC = -1;

enum class ControlKind {
    Button,
    DefaultButton,
    OwnerDrawButton,  // painted by the class that takes it over (picture and GIF buttons)
    Edit,
    Static,
    Picture,          // static showing bitmap `image`; it takes the bitmap's size
    Icon,             // static showing icon `image`
    GroupBox,
    ComboBox,         // drop-down list of `items`; the height includes the open list
    TreeView,
};

// Control styles (combined as bits).
enum ControlStyle : uint32_t {
    kHidden = 1u << 0,      // created without WS_VISIBLE
    kDisabled = 1u << 1,
    kSunken = 1u << 2,
    kNotify = 1u << 3,      // a static that reports clicks
    kCentred = 1u << 4,
    kMultiline = 1u << 5,
    kReadOnly = 1u << 6,
    kVScroll = 1u << 7,
    kPassword = 1u << 8,
    kHasButtons = 1u << 9,  // tree: expand buttons, lines, lines at the root
    kHasLines = 1u << 10,
    kLinesAtRoot = 1u << 11,
};

// Dialog styles (combined as bits).
enum DialogStyle : uint32_t {
    kCaption = 1u << 0,
    kSysMenu = 1u << 1,       // with the close box
    kSizingBorder = 1u << 2,  // the user may resize it
    kMinimizeBox = 1u << 3,
    kMaximizeBox = 1u << 4,
    kAppWindow = 1u << 5,     // a main window of its own, not a dialog of another
};

struct ControlTemplate {
    ControlTemplate(int id_, ControlKind kind_, std::string text_, int x_, int y_, int width_, int height_,
                    uint32_t style_ = 0, int image_ = 0, std::vector<std::string> items_ = {})
        : id(id_), kind(kind_), text(std::move(text_)), x(x_), y(y_), width(width_), height(height_),
          style(style_), image(image_), items(std::move(items_))
    {
    }

    int id = IDC_STATIC;
    ControlKind kind = ControlKind::Static;
    std::string text;  // UTF-8
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    uint32_t style = 0;
    int image = 0;                   // bitmap or icon id of Picture and Icon
    std::vector<std::string> items;  // ComboBox entries, in order

    bool Has(ControlStyle s) const { return (style & s) != 0; }
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    std::string fontFace;
    int pointSize = 9;
    int width = 0;  // client area
    int height = 0;
    uint32_t style = 0;
    std::vector<ControlTemplate> controls;

    bool Has(DialogStyle s) const { return (style & s) != 0; }
    // The control with `id`, or nullptr.
    const ControlTemplate* Find(int controlId) const
    {
        for (const ControlTemplate& c : controls)
            if (c.id == controlId)
                return &c;
        return nullptr;
    }
    ControlTemplate* Find(int controlId)
    {
        return const_cast<ControlTemplate*>(static_cast<const DialogTemplate&>(*this).Find(controlId));
    }
};

} // namespace res
