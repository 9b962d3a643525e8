#pragma once

#include <QDialog>
#include <vector>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The yardstick of the interaction benchmark: the Translation window as a
// bare Qt dialog, with the same controls in the same places, the same show
// and hide steps and the same arithmetic (translation::calculate), but none of
// resonix's window system, class library or display in between.
class BareTranslation : public QDialog {
public:
    BareTranslation();

private:
    void chooseAnalysis(int analysis);
    void hideResults();
    void calculate();

    QPushButton* m_calculate;
    QListWidget* m_analysis;
    QListWidget* m_units1;
    QListWidget* m_units2;
    QLineEdit* m_caption1;
    QLineEdit* m_caption2;
    QLineEdit* m_input1;
    QLineEdit* m_input2;
    QLineEdit* m_title;
    QPlainTextEdit* m_results;
    QPlainTextEdit* m_deflection;
    QWidget* m_deflectionLabel;
    QWidget* m_resultsGroup;
    std::vector<QWidget*> m_inputArea;
};
