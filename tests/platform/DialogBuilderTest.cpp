#include "platform/DialogBuilder.h"

#include "platform/Fonts.h"
#include "platform/StaticControl.h"
#include "res/Templates.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QDialog>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QCoreApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace platform {
namespace {

struct UnitsCase {
    const char* name;
    int units;
    int x;
    int y;
};

class DialogUnitsTest : public ::testing::TestWithParam<UnitsCase> {};

TEST_P(DialogUnitsTest, ScalesAndRoundsLikeMulDiv)
{
    const UnitsCase& c = GetParam();
    const DialogUnits units(7, 13);
    EXPECT_EQ(units.X(c.units), c.x);
    EXPECT_EQ(units.Y(c.units), c.y);
}

INSTANTIATE_TEST_SUITE_P(Units, DialogUnitsTest,
    ::testing::Values(UnitsCase{"Zero", 0, 0, 0},
                      UnitsCase{"One", 1, 2, 2},                // 1.75 and 1.625
                      UnitsCase{"Two", 2, 4, 3},                // 3.5 rounds up, 3.25 down
                      UnitsCase{"GameWidth", 339, 593, 551},    // 593.25 and 550.875
                      UnitsCase{"GameHeight", 354, 620, 575}),  // 619.5 and 575.25
    [](const auto& info) { return std::string(info.param.name); });

TEST(FontsTest, MissingWindowsFacesFallBackToInstalledChineseFamilies)
{
    for (const char* face : {"宋体", "黑体", "Fixedsys", "System", "方正舒体"}) {
        SCOPED_TRACE(face);
        const QString family = FontFamily(QString::fromUtf8(face));
        EXPECT_TRUE(QFontDatabase::hasFamily(family)) << family.toStdString();
        EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese));
    }
    EXPECT_EQ(PointFont(QStringLiteral("宋体"), 9).pixelSize(), 12);
    EXPECT_EQ(PointFont(QStringLiteral("宋体"), 10).pixelSize(), 13);
    EXPECT_EQ(PointFont(QStringLiteral("宋体"), 12).pixelSize(), 16);
}

// Every game dialog is sized to its 600 x 600 background: its template must come out
// close to that, or the controls would not sit on the pictures of the background.
TEST(DialogBuilderTest, GameTemplatesComeOutCloseToTheirBackground)
{
    for (int id : {res::IDD_TJSM, res::IDD_HUARONG, res::IDD_QINGYUAN, res::IDD_NUOMAN, res::IDD_SANXIAO,
                   res::IDD_SDBGJ, res::IDD_CCJJ, res::IDD_XINGFU, res::IDD_WSDH}) {
        SCOPED_TRACE(id);
        const QSize size = DialogBuilder(*res::FindTemplate(id)).ClientSize();
        EXPECT_NEAR(size.width(), 600, 30);
        EXPECT_NEAR(size.height(), 600, 30);
    }
}

void Press(QWidget* widget, Qt::MouseButton button)
{
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

class BuiltGameDialog : public ::testing::Test {
protected:
    void SetUp() override { controls_ = builder_.Build(dialog_); }

    template <typename T>
    T* Control(int id)
    {
        auto* widget = qobject_cast<T*>(controls_.at(id));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }

    const res::DialogTemplate& template_ = *res::FindTemplate(res::IDD_TJSM);
    DialogBuilder builder_{template_};
    QDialog dialog_;
    std::map<int, QWidget*> controls_;
};

TEST_F(BuiltGameDialog, ControlsSitAtTheirTemplatePlacesInPixels)
{
    const DialogUnits& u = builder_.Units();
    EXPECT_EQ(dialog_.size(), QSize(u.X(339), u.Y(354)));
    EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("田忌赛马"));
    EXPECT_EQ(controls_.at(1010)->geometry(), QRect(u.X(275), u.Y(49), u.X(46), u.Y(11)));
    EXPECT_EQ(controls_.at(1031)->geometry(), QRect(u.X(246), u.Y(317), u.X(77), u.Y(14)));
    EXPECT_EQ(controls_.at(1031)->objectName(), QStringLiteral("1031"));
    EXPECT_EQ(Control<QPushButton>(1030)->text(), QStringLiteral("设置\"上等马\"的位置"));
    EXPECT_EQ(dialog_.font().pixelSize(), 13);
}

TEST_F(BuiltGameDialog, NotifyingPicturesReportLeftClicks)
{
    int clicks = 0;
    StaticControl* picture = Control<StaticControl>(1001);
    QObject::connect(picture, &StaticControl::clicked, [&] { ++clicks; });
    Press(picture, Qt::RightButton);
    Press(picture, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    // A label without the notify style stays silent.
    StaticControl* quiet = Control<StaticControl>(1029);
    QObject::connect(quiet, &StaticControl::clicked, [&] { ++clicks; });
    Press(quiet, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

// A picture static takes its bitmap's size, whatever the template says.
TEST(DialogBuilderTest, PictureTakesTheSizeOfItsBitmapInsideItsFrame)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("res/bitmap")));
    QImage bitmap(90, 120, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    ASSERT_TRUE(bitmap.save(folder.filePath(QStringLiteral("res/bitmap/180.png"))));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());

    const res::DialogTemplate& t = *res::FindTemplate(res::IDD_TJSM);
    QDialog dialog;
    DialogBuilder builder(t);
    const auto controls = builder.Build(dialog);
    QDir::setCurrent(previous);

    const DialogUnits& u = builder.Units();
    // One pixel of sunken frame on each side, at the template's corner.
    EXPECT_EQ(controls.at(1001)->geometry(), QRect(u.X(141), u.Y(98), 92, 122));
}

TEST_F(BuiltGameDialog, HiddenControlsStayHiddenWhenTheDialogShows)
{
    dialog_.show();
    EXPECT_FALSE(controls_.at(1040)->isVisible());
    EXPECT_FALSE(controls_.at(1050)->isVisible());
    EXPECT_TRUE(controls_.at(1030)->isVisible());
    EXPECT_TRUE(controls_.at(1000)->isVisible());
    QPlainTextEdit* box = Control<QPlainTextEdit>(1040);
    EXPECT_TRUE(box->isReadOnly());
    dialog_.hide();
}

TEST(DialogBuilderTest, FactoryWidgetTakesTheControlsPlaceAndState)
{
    const res::DialogTemplate& t = *res::FindTemplate(res::IDD_TJSM);
    QDialog dialog;
    const res::ControlTemplate* seen = nullptr;
    QWidget* made = nullptr;
    DialogBuilder builder(t);
    builder.Replace(1051, [&](const res::ControlTemplate& c, QWidget* parent) {
        seen = &c;
        made = new QWidget(parent);
        return made;
    });
    const auto controls = builder.Build(dialog);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(seen->text, "gif2");
    EXPECT_EQ(controls.at(1051), made);
    EXPECT_EQ(made->parentWidget(), &dialog);
    EXPECT_EQ(made->geometry(), builder.Rect(*seen));
    EXPECT_TRUE(made->isHidden());
    // The other GIF buttons are the default kind.
    EXPECT_NE(qobject_cast<QPushButton*>(controls.at(1050)), nullptr);
}

TEST(DialogBuilderTest, LoginEditsAndStartComboAreUsable)
{
    QDialog login;
    const auto loginControls = DialogBuilder(*res::FindTemplate(res::IDD_LOGIN)).Build(login);
    EXPECT_EQ(qobject_cast<QLineEdit*>(loginControls.at(1002))->echoMode(), QLineEdit::Password);
    EXPECT_EQ(qobject_cast<QLineEdit*>(loginControls.at(1001))->echoMode(), QLineEdit::Normal);
    EXPECT_TRUE(qobject_cast<QPushButton*>(loginControls.at(res::IDOK))->isDefault());
    EXPECT_FALSE(qobject_cast<QPushButton*>(loginControls.at(res::IDCANCEL))->isDefault());

    QDialog start;
    const auto startControls = DialogBuilder(*res::FindTemplate(res::IDD_GAME_START)).Build(start);
    auto* combo = qobject_cast<QComboBox*>(startControls.at(1012));
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 9);
    EXPECT_EQ(combo->itemText(5), QStringLiteral("20"));
    // Closed, the box is one line high, not as high as its open list.
    EXPECT_LT(combo->height(), DialogBuilder(*res::FindTemplate(res::IDD_GAME_START)).Units().Y(50));
}

TEST(DialogBuilderTest, CaptionlessTemplateMakesAFramelessWindow)
{
    QDialog tip;
    DialogBuilder(*res::FindTemplate(res::IDD_TIP)).Build(tip);
    EXPECT_TRUE(tip.windowFlags().testFlag(Qt::FramelessWindowHint));
    QDialog leave;
    DialogBuilder(*res::FindTemplate(res::IDD_LEAVE)).Build(leave);
    EXPECT_FALSE(leave.windowFlags().testFlag(Qt::FramelessWindowHint));
    // No system menu: no close box.
    EXPECT_FALSE(leave.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

} // namespace
} // namespace platform
