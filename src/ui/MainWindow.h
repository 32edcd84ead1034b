#pragma once

#include "core/QuestionSelection.h"

#include <QMainWindow>
#include <array>

class Forms;
class QAction;
class QComboBox;
class QRadioButton;

// frmMain: the start-up window. Holds the selection for the whole process and launches every
// other window.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Forms &forms);

    [[nodiscard]] std::int16_t Level() const { return m_selection.Level; }
    // Selects the level's option button (which runs its handling) and sets the check marks.
    void setLevel(std::int16_t level);

    [[nodiscard]] const sumwright::QuestionSelection &selection() const { return m_selection; }
    [[nodiscard]] const QString &LevelTag() const { return m_levelTag; }
    // The question count as the combo box shows it; the test session reads it at every answer.
    [[nodiscard]] QString countText() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls(QWidget *client);
    void buildMenus();
    void optionSelected(int index);
    void chooseKind(std::int16_t qType, int index);

    Forms &m_forms;
    sumwright::QuestionSelection m_selection;
    QString m_levelTag;
    std::array<QRadioButton *, sumwright::LevelCount> m_options {};
    std::array<QAction *, sumwright::LevelCount> m_levelItems {};
    QComboBox *m_count = nullptr;
};
