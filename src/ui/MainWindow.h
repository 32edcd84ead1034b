#pragma once

#include "core/QuestionSelection.h"

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <string>

class QAction;
class QComboBox;
class QRadioButton;

namespace sumwright {

// frmMain: the start-up window. Its controls choose what the next test asks and launch every
// other window; it tells the program through its signals and reads nothing back.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow();

    // The load handler: the start-up level and count, told through the signals below, so it
    // runs once whoever listens is connected.
    void load();

    // The Level property: selects the level's option button (which runs its handling) and
    // sets the check marks.
    void setLevel(std::int16_t level);

signals:
    void levelChanged(std::int16_t level);
    // The chosen level option button's tag text.
    void levelTagChanged(const std::string &tag);
    void countTextChanged(const std::string &text);
    // A kind button or its menu item.
    void kindChosen(std::int16_t qType, std::int16_t qIndex);
    void aboutProgrammerRequested();
    void aboutProductRequested();
    void websiteRequested();
    // The "&Exit" button or a close request: the exit address, then the end.
    void leaveRequested();
    // The two "&Exit" menu commands: the end at once.
    void endRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls(QWidget *client);
    void buildMenus();
    void optionSelected(int index);

    std::array<QRadioButton *, LevelCount> m_options {};
    std::array<QAction *, LevelCount> m_levelItems {};
    QComboBox *m_count = nullptr;
};

} // namespace sumwright
