#include "bench/bare_translation.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "bench/dialog_units.h"
#include "translation/translation_calc.h"

namespace {

const QStringList kMass = {"kg", "slugs", "lbm"};
const QStringList kStiffness = {"N/m", "N/mm", "lbf/ft", "lbf/in"};
const QStringList kFrequency = {"rad/sec", "Hz"};

struct SetUp {
    const char* caption1;
    const QStringList* units1;
    const char* caption2;
    const QStringList* units2;
};
const SetUp kSetUps[] = {{"Mass", &kMass, "Stiffness", &kStiffness},
                         {"Natural Frequency", &kFrequency, "Mass", &kMass},
                         {"Natural Frequency", &kFrequency, "Stiffness", &kStiffness}};

translation::KeptQuantities kept;

}  // namespace

BareTranslation::BareTranslation() {
    const DialogUnits units(*this);
    setWindowTitle(QStringLiteral("Translation"));
    setFixedSize(units.x(379), units.y(290));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(font().pointSizeF());

    auto group = [&](const char* title, QRect at) {
        auto* box = new QGroupBox(QString::fromLatin1(title), this);
        box->setGeometry(at);
        box->lower();
        return box;
    };
    auto list = [&](QRect at) {
        auto* widget = new QListWidget(this);
        widget->setGeometry(at);
        return widget;
    };
    auto line = [&](QRect at, bool readOnly) {
        auto* edit = new QLineEdit(this);
        edit->setGeometry(at);
        edit->setReadOnly(readOnly);
        edit->setFrame(!readOnly);
        return edit;
    };
    auto field = [&](QRect at) {
        auto* edit = new QPlainTextEdit(this);
        edit->setGeometry(at);
        edit->setReadOnly(true);
        edit->setFont(fixed);
        return edit;
    };

    m_calculate = new QPushButton(QStringLiteral("Calculate"), this);
    m_calculate->setGeometry(units.place(135, 256, 110, 20));
    m_calculate->setDefault(true);
    auto* back = new QPushButton(QStringLiteral("Return"), this);
    back->setGeometry(units.place(263, 256, 102, 20));
    m_analysis = list(units.place(29, 79, 74, 40));
    m_analysis->addItems({"natural frequency", "stiffness", "mass"});
    group("Select Analysis", units.place(19, 35, 94, 92));
    (new QLabel(QStringLiteral("Calculate"), this))->setGeometry(units.place(50, 67, 31, 8));
    (new QLabel(QStringLiteral("resonix developers"), this))->setGeometry(units.place(20, 7, 47, 8));
    QWidget* inputGroup = group("Input Data", units.place(127, 34, 245, 95));
    m_caption1 = line(units.place(162, 60, 68, 14), true);
    m_caption2 = line(units.place(283, 61, 66, 14), true);
    m_input1 = line(units.place(134, 82, 49, 14), false);
    m_input2 = line(units.place(259, 81, 49, 14), false);
    m_units1 = list(units.place(188, 81, 53, 40));
    m_units2 = list(units.place(312, 80, 53, 40));
    m_resultsGroup = group("Results (Equivalent Values)", units.place(128, 135, 244, 115));
    m_results = field(units.place(143, 174, 78, 63));
    m_title = line(units.place(142, 153, 80, 14), true);
    m_deflection = field(units.place(258, 171, 89, 66));
    m_deflectionLabel = new QLabel(QStringLiteral("Static Deflection at 1 G"), this);
    m_deflectionLabel->setGeometry(units.place(263, 156, 75, 8));
    m_inputArea = {inputGroup, m_caption1, m_caption2, m_input1, m_input2, m_units1, m_units2};

    for (QWidget* widget : m_inputArea) widget->hide();
    hideResults();
    m_calculate->hide();

    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_calculate, &QPushButton::clicked, this, [this] { calculate(); });
    connect(m_analysis, &QListWidget::itemPressed, this, [this] { chooseAnalysis(m_analysis->currentRow()); });
    connect(m_input1, &QLineEdit::textEdited, this, [this] { hideResults(); });
    connect(m_input2, &QLineEdit::textEdited, this, [this] { hideResults(); });
    connect(m_units1, &QListWidget::itemPressed, this, [this] { hideResults(); });
    connect(m_units2, &QListWidget::itemPressed, this, [this] { hideResults(); });
}

void BareTranslation::hideResults() {
    for (QWidget* widget : {static_cast<QWidget*>(m_results), static_cast<QWidget*>(m_title), m_resultsGroup,
                            m_deflectionLabel, static_cast<QWidget*>(m_deflection)}) {
        widget->hide();
    }
    m_deflection->setPlainText(QStringLiteral(" "));
    m_results->setPlainText(QStringLiteral(" "));
}

void BareTranslation::chooseAnalysis(int analysis) {
    m_calculate->show();
    hideResults();
    m_input1->setText(QStringLiteral(" "));
    m_input2->setText(QStringLiteral(" "));
    for (QWidget* widget : m_inputArea) widget->show();
    m_units1->clear();
    m_units2->clear();
    if (analysis < 0 || analysis > 2) return;
    const SetUp& setUp = kSetUps[analysis];
    m_caption1->setText(QString::fromLatin1(setUp.caption1));
    m_caption2->setText(QString::fromLatin1(setUp.caption2));
    m_units1->addItems(*setUp.units1);
    m_units2->addItems(*setUp.units2);
    m_units1->setCurrentRow(0);
    m_units2->setCurrentRow(0);
}

void BareTranslation::calculate() {
    hideResults();
    const translation::CalcResult result = translation::calculate(
        {m_analysis->currentRow(), m_input1->text().toStdString(), m_input2->text().toStdString(), m_units1->currentRow(),
         m_units2->currentRow()},
        kept);
    m_input1->setText(QString::fromStdString(result.echo1));
    m_input2->setText(QString::fromStdString(result.echo2));
    if (result.title) m_title->setText(QString::fromStdString(*result.title));
    if (result.deflection) {
        m_deflection->show();
        m_deflectionLabel->show();
        m_deflection->setPlainText(QString::fromStdString(*result.deflection));
    }
    m_results->setPlainText(QString::fromStdString(result.results));
    m_results->show();
    m_title->show();
    m_resultsGroup->show();
}
