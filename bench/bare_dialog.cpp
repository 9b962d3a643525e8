// The yardstick of the start-up benchmark: a bare Qt dialog with the same
// controls as resonix's main window, laid out the same way from the same
// dialog units, and nothing else. With RESONIX_REPORT_FIRST_PAINT=1 it prints
// the monotonic clock at its first paint and ends, as resonix does.

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool reportsFirstPaint() {
    const char* value = std::getenv("RESONIX_REPORT_FIRST_PAINT");
    return value && std::strcmp(value, "1") == 0;
}

class BareDialog : public QDialog {
public:
    BareDialog() {
        const QFontMetrics metrics(font());
        const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
        m_cx = (metrics.horizontalAdvance(letters) + 26) / 52;
        m_cy = metrics.height();
        setWindowTitle(QStringLiteral("SDOF System Natural Frequency,  version 2.1"));
        setFixedSize(x(242), y(127));
        auto* visit = new QPushButton(QStringLiteral("Visit Web Site"), this);
        visit->setGeometry(place(163, 59, 64, 17));
        visit->setDefault(true);
        auto* exit = new QPushButton(QStringLiteral("Exit"), this);
        exit->setGeometry(place(163, 79, 64, 17));
        connect(exit, &QPushButton::clicked, this, &QDialog::reject);
        auto* list = new QListWidget(this);
        list->addItems({QStringLiteral("Rotation"), QStringLiteral("Translation")});
        list->setGeometry(place(55, 57, 68, 40));
        auto* credit = new QLabel(QStringLiteral("resonix developers <resonix@example.org>"), this);
        credit->setGeometry(place(21, 14, 142, 8));
        auto* group = new QGroupBox(QStringLiteral("Select Motion"), this);
        group->setGeometry(place(28, 35, 121, 76));
        group->lower();
        visit->setFocus();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QDialog::paintEvent(event);
        if (!reportsFirstPaint() || m_painted) return;
        m_painted = true;
        QTimer::singleShot(0, this, [this] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("first-paint %lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stdout);
            reject();
        });
    }

private:
    int x(int units) const { return (units * m_cx + 2) / 4; }
    int y(int units) const { return (units * m_cy + 4) / 8; }
    QRect place(int left, int top, int width, int height) const {
        return QRect(QPoint(x(left), y(top)), QPoint(x(left + width), y(top + height)) - QPoint(1, 1));
    }

    int m_cx = 8;
    int m_cy = 16;
    bool m_painted = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    BareDialog dialog;
    dialog.exec();
    return 0;
}
