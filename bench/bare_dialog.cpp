#include "bench/bare_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/dialog_units.h"
#include "res/resource.h"

namespace {

bool reportsFirstPaint() {
    const char* value = std::getenv("RESONIX_REPORT_FIRST_PAINT");
    return value && std::strcmp(value, "1") == 0;
}

}  // namespace

BareDialog::BareDialog() {
    const DialogUnits units(*this);
    setWindowTitle(QString::fromLatin1(kMainCaption));
    setFixedSize(units.x(242), units.y(127));
    auto* visit = new QPushButton(QStringLiteral("Visit Web Site"), this);
    visit->setGeometry(units.place(163, 59, 64, 17));
    visit->setDefault(true);
    auto* exit = new QPushButton(QStringLiteral("Exit"), this);
    exit->setGeometry(units.place(163, 79, 64, 17));
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    m_list = new QListWidget(this);
    m_list->addItems({QStringLiteral("Rotation"), QStringLiteral("Translation")});
    m_list->setGeometry(units.place(55, 57, 68, 40));
    auto* credit = new QLabel(QStringLiteral("resonix team <resonix@example.org>"), this);
    credit->setGeometry(units.place(21, 14, 142, 8));
    auto* group = new QGroupBox(QStringLiteral("Select Motion"), this);
    group->setGeometry(units.place(28, 35, 121, 76));
    group->lower();
    visit->setFocus();
}

void BareDialog::paintEvent(QPaintEvent* event) {
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
