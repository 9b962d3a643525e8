// Not a test: the program that makes the picture software centres show of
// resonix, the main window with a calculator in front of it just after a
// Calculate, each in a plain frame with its caption and icon. The screen user
// of the display tests plays it. It writes <build>/screenshots/store.png, and
// at another scale (QT_SCALE_FACTOR) store-<scale>x.png; scripts/store_picture.sh
// runs it at 1x and 1.5x and puts the pictures where the metainfo and the
// README point: docs/screenshots/main-and-translation.png and -150.png.

#include "display_test.h"

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>

#include "res/resource.h"
#include "screen_user.h"

namespace {

const std::string kMain = kMainCaption;
constexpr int kTitleHeight = 26;
constexpr int kBorder = 1;

// A window as a desktop frames it: a border and a title bar with its icon and
// caption. Laid out in the window's own units and drawn at the screen's scale.
QImage framed(const ScreenWindow& window, bool active) {
    QWidget* surface = window.surface();
    const QPixmap inside = surface->grab();
    const QSize size = inside.deviceIndependentSize().toSize();
    QImage frame(QSize(size.width() + 2 * kBorder, size.height() + kTitleHeight + 2 * kBorder) * inside.devicePixelRatio(),
                 QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(inside.devicePixelRatio());
    const QPalette& palette = surface->palette();
    frame.fill(palette.color(QPalette::Shadow));
    QPainter painter(&frame);
    const QRect title(kBorder, kBorder, size.width(), kTitleHeight);
    painter.fillRect(title, palette.color(active ? QPalette::Highlight : QPalette::Mid));
    int textLeft = title.left() + 8;
    if (const QIcon icon = surface->windowIcon(); !icon.isNull()) {
        constexpr int kIconSize = 16;
        painter.drawPixmap(textLeft, title.top() + (kTitleHeight - kIconSize) / 2, icon.pixmap(QSize(kIconSize, kIconSize), inside.devicePixelRatio()));
        textLeft += kIconSize + 6;
    }
    QFont font = surface->font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(palette.color(active ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(QRect(textLeft, title.top(), title.right() - textLeft, kTitleHeight), Qt::AlignVCenter | Qt::AlignLeft, surface->windowTitle());
    painter.drawPixmap(kBorder, kBorder + kTitleHeight, inside);
    return frame;
}

class StoreScreenshot : public DisplayTest {};

TEST_F(StoreScreenshot, MainWindowAndACalculatedTranslation) {
    QImage main;
    ScreenUser user(display());
    user.at(kMain, [&](ScreenWindow& window) {
        main = framed(window, false);
        window.clickItem(IDC_MOTION_LIST, 1);
    });
    user.at("Translation", [&](ScreenWindow& translation) {
        translation.clickItem(IDC_TRA_ANALYSIS, 0);
        translation.typeInto(IDC_TRA_INPUT1, QStringLiteral("10"));
        translation.typeInto(IDC_TRA_INPUT2, QStringLiteral("1000"));
        translation.key(Qt::Key_Return);
        ASSERT_TRUE(translation.widget(IDC_TRA_RESULTS)->isVisible());
        ASSERT_TRUE(translation.widgetAs<QPlainTextEdit>(IDC_TRA_RESULTS)->toPlainText().contains(QStringLiteral("rad/sec")));
        const QImage calculator = framed(translation, true);

        // The calculator in front, lower and to the right, as it opens over its owner.
        const QSize mainSize = main.deviceIndependentSize().toSize(), calculatorSize = calculator.deviceIndependentSize().toSize();
        const QPoint at(mainSize.width() / 2, kTitleHeight + 30);
        QImage shot(QSize(std::max(mainSize.width(), at.x() + calculatorSize.width()),
                          std::max(mainSize.height(), at.y() + calculatorSize.height())) *
                        main.devicePixelRatio(),
                    QImage::Format_ARGB32_Premultiplied);
        shot.setDevicePixelRatio(main.devicePixelRatio());
        shot.fill(Qt::transparent);
        QPainter painter(&shot);
        painter.drawImage(0, 0, main);
        painter.drawImage(at, calculator);
        painter.end();

        const QDir folder(QStringLiteral(RESONIX_SCREENSHOT_DIR));
        ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
        const QString name = shot.devicePixelRatio() == 1 ? QStringLiteral("store") : QStringLiteral("store-%1x").arg(shot.devicePixelRatio());
        EXPECT_TRUE(shot.save(folder.filePath(name + QStringLiteral(".png"))));
        translation.key(Qt::Key_Escape);
    });
    user.at(kMain, [](ScreenWindow& window) { window.key(Qt::Key_Escape); });
    user.play([] { runProgram(); });
}

}  // namespace
