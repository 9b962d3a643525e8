#include "bench/interaction_driver.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "res/resource.h"

namespace {


QWidget* windowTitled(const QString& title) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == title) return widget;
    }
    return nullptr;
}

template <typename W>
QList<W*> visible(const QWidget* window) {
    QList<W*> found = window->findChildren<W*>();
    found.erase(std::remove_if(found.begin(), found.end(), [](W* w) { return !w->isVisible(); }), found.end());
    return found;
}

QPushButton* button(const QWidget* window, const QString& text) {
    for (QPushButton* candidate : window->findChildren<QPushButton*>()) {
        if (candidate->text().remove('&') == text) return candidate;
    }
    return nullptr;
}

QListWidget* listHolding(const QWidget* window, const QString& item) {
    for (QListWidget* list : visible<QListWidget>(window)) {
        if (!list->findItems(item, Qt::MatchExactly).isEmpty()) return list;
    }
    return nullptr;
}

void clickItem(QListWidget* list, const QString& text) {
    QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
    if (!item) return;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
}

// After a quiet moment, from a fresh turn of the event loop.
void later(QObject* context, const std::function<void()>& step) { QTimer::singleShot(40, context, step); }

}  // namespace

InteractionDriver::InteractionDriver(int openings, int calculations)
    : m_openingsLeft(openings), m_calculations(calculations) {}

void InteractionDriver::start() {
    qApp->installEventFilter(this);
    QTimer::singleShot(300, this, [this] { open(); });
}

QWidget* InteractionDriver::calculator() const { return windowTitled(QStringLiteral("Translation")); }

void InteractionDriver::open() {
    QWidget* main = windowTitled(QString::fromLatin1(kMainCaption));
    QListWidget* motions = main ? listHolding(main, QStringLiteral("Translation")) : nullptr;
    if (!motions) {
        std::fprintf(stderr, "no main window with its motion list\n");
        QApplication::exit(1);
        return;
    }
    if (m_openingsLeft-- <= 0) {
        QTest::mouseClick(button(main, QStringLiteral("Exit")), Qt::LeftButton);
        return;
    }
    m_waiting = Waiting::FirstPaint;
    m_start = std::chrono::steady_clock::now();
    // Returns once the calculator has closed again.
    clickItem(motions, QStringLiteral("Translation"));
    later(this, [this] { open(); });
}

void InteractionDriver::setUp() {
    QWidget* window = calculator();
    clickItem(listHolding(window, QStringLiteral("natural frequency")), QStringLiteral("natural frequency"));
    m_calculationsLeft = m_calculations;
    later(this, [this] { calculate(); });
}

void InteractionDriver::calculate() {
    QWidget* window = calculator();
    if (m_calculationsLeft-- <= 0) {
        QTest::mouseClick(button(window, QStringLiteral("Return")), Qt::LeftButton);
        return;
    }
    // New inputs each time, so that every Calculate has new results to show.
    QList<QLineEdit*> inputs;
    for (QLineEdit* edit : visible<QLineEdit>(window)) {
        if (!edit->isReadOnly()) inputs.append(edit);
    }
    std::sort(inputs.begin(), inputs.end(), [](QLineEdit* a, QLineEdit* b) { return a->x() < b->x(); });
    if (inputs.size() < 2) {
        std::fprintf(stderr, "no input fields in the Translation window\n");
        QApplication::exit(1);
        return;
    }
    const QString values[] = {QString::number(10 + m_calculationsLeft), QStringLiteral("1000")};
    for (int i = 0; i < 2; ++i) {
        inputs[i]->setFocus();
        inputs[i]->selectAll();
        QTest::keyClicks(inputs[i], values[i]);
    }
    later(this, [this, window] {
        m_waiting = Waiting::Results;
        m_start = std::chrono::steady_clock::now();
        QTest::mouseClick(button(window, QStringLiteral("Calculate")), Qt::LeftButton);
    });
}

bool InteractionDriver::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Paint || m_waiting == Waiting::Nothing) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window()->windowTitle() != QStringLiteral("Translation")) return false;
    if (m_waiting == Waiting::Results) {
        // The paint that shows the results, not one of the button alone.
        const QList<QPlainTextEdit*> fields = visible<QPlainTextEdit>(widget->window());
        if (std::none_of(fields.begin(), fields.end(), [](QPlainTextEdit* f) { return f->toPlainText().contains("rad/sec"); })) {
            return false;
        }
    }
    // Timed once the whole repaint is done and the event loop is back.
    const Waiting what = m_waiting;
    m_waiting = Waiting::Nothing;
    QTimer::singleShot(0, this, [this, what] {
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start).count();
        std::printf("%s %.3f\n", what == Waiting::FirstPaint ? "open" : "calculate", ms);
        std::fflush(stdout);
        later(this, [this, what] { what == Waiting::FirstPaint ? setUp() : calculate(); });
    });
    return false;
}
