// The About box on screen: its web link as a person and a screen reader meet
// it, and every window named for a screen reader.

#include "display_test.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QUrl>

#include "display/qt/link_widget.h"
#include "res/resource.h"
#include "screen_user.h"

namespace {

const std::string kMain = kMainCaption;
const std::string kAbout = "About resonix";

// Stands in for the desktop's browser: a test never opens one.
class AddressCatcher : public QObject {
    Q_OBJECT

public:
    AddressCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~AddressCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    QStringList opened;

public slots:
    void open(const QUrl& url) { opened.append(url.toString()); }
};

QAccessibleInterface* accessibleOf(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

void expectNamedDialog(const ScreenWindow& window, const std::string& title) {
    QAccessibleInterface* accessible = accessibleOf(window.surface());
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Dialog) << title;
    EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), title);
}

class AboutBoxOnScreen : public DisplayTest {};

TEST_F(AboutBoxOnScreen, TheLinkShowsItsStoredCaptionAndOpensItsAddress) {
    AddressCatcher browser;
    ScreenUser user(display());
    user.at(kMain, [](ScreenWindow& main) { main.click(IDOK); });
    user.at(kAbout, [&](ScreenWindow& about) {
        auto* link = dynamic_cast<LinkWidget*>(about.widget(IDC_WEBLINK));
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->text(), QStringLiteral("Click here to visit the resonix web site for news."));
        EXPECT_TRUE(link->font().bold());
        EXPECT_TRUE(link->font().underline());
        EXPECT_FALSE(link->font().italic() || link->font().strikeOut());
        EXPECT_EQ(link->sizeHint(), QSize(342, 26)) << "its stored extent at 96 dots per inch";
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

        QAccessibleInterface* accessible = accessibleOf(link);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), QAccessible::Link);
        EXPECT_EQ(accessible->text(QAccessible::Name), link->text());

        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, link->rect().center());
        EXPECT_EQ(about.focusedId(), IDC_WEBLINK);
        about.key(Qt::Key_Space);
        about.key(Qt::Key_Tab);
        EXPECT_EQ(about.focusedId(), IDOK);
        about.key(Qt::Key_Return);
    });
    user.at(kMain, [](ScreenWindow& main) { main.key(Qt::Key_Escape); });
    user.play([] { runProgram(); });
    EXPECT_EQ(browser.opened, QStringList(2, QStringLiteral("https://resonix.example.org/")));
}

TEST_F(AboutBoxOnScreen, EveryWindowIsADialogNamedByItsTitle) {
    ScreenUser user(display());
    user.at(kMain, [](ScreenWindow& main) {
        expectNamedDialog(main, kMain);
        main.clickItem(IDC_MOTION_LIST, 0);
    });
    user.at("Rotation", [](ScreenWindow& rotation) {
        expectNamedDialog(rotation, "Rotation");
        rotation.key(Qt::Key_Escape);
    });
    user.at(kMain, [](ScreenWindow& main) { main.clickItem(IDC_MOTION_LIST, 1); });
    user.at("Translation", [](ScreenWindow& translation) {
        expectNamedDialog(translation, "Translation");
        translation.key(Qt::Key_Escape);
    });
    user.at(kMain, [](ScreenWindow& main) { main.key(Qt::Key_Space, Qt::AltModifier); });
    user.atMenu([](QMenu& menu) {
        // The system menu's entries reach a screen reader by their names.
        QAccessibleInterface* accessible = accessibleOf(&menu);
        ASSERT_NE(accessible, nullptr);
        QStringList names;
        for (int i = 0; i < accessible->childCount(); ++i) names.append(accessible->child(i)->text(QAccessible::Name));
        EXPECT_TRUE(names.contains(QStringLiteral("About resonix..."))) << names.join(QLatin1Char('|')).toStdString();
        // Close is "Close" to a screen reader; its key still shows beside it.
        EXPECT_TRUE(names.contains(QStringLiteral("Close"))) << names.join(QLatin1Char('|')).toStdString();
        for (const QAction* action : menu.actions()) {
            if (action->text() == QStringLiteral("&Close")) {
                EXPECT_EQ(action->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
            }
        }
        EXPECT_EQ(names.size(), menu.actions().size());
        QTest::keyClick(&menu, Qt::Key_Up);
        QTest::keyClick(&menu, Qt::Key_Return);
    });
    user.at(kAbout, [](ScreenWindow& about) {
        expectNamedDialog(about, kAbout);
        about.key(Qt::Key_Escape);
    });
    user.at(kMain, [](ScreenWindow& main) { main.key(Qt::Key_Escape); });
    user.play([] { runProgram(); });
}

}  // namespace

#include "about_box_test.moc"
