#pragma once

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <vector>

// The floor: a bare window with a 48-point label and a line edit; Enter's release sets the
// label's text, clears the line edit and gives it the focus, which is all a next question needs.
class FloorWindow : public QWidget
{
public:
    // Framed puts both in a group box, as the question window has them: the box's frame is then
    // repainted under the label at every question.
    explicit FloorWindow(bool framed)
    {
        resize(497, 355);
        QWidget *holder = this;
        if (framed) {
            holder = new QGroupBox(QStringLiteral("Question"), this);
            holder->setGeometry(8, 56, 481, 241);
        }
        m_label = new QLabel(QStringLiteral("2 + 2"), holder);
        QFont big = font();
        big.setPointSize(48);
        m_label->setFont(big);
        // Where the question window has them, relative to the window or to the box.
        const QPoint origin = framed ? QPoint(0, 0) : QPoint(8, 56);
        m_label->setGeometry(QRect(origin + QPoint(16, 32), QSize(457, 153)));
        m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_edit = new QLineEdit(holder);
        m_edit->setGeometry(QRect(origin + QPoint(104, 192), QSize(113, 30)));
        m_edit->installEventFilter(this);
        for (int i = 0; i < 64; ++i)
            m_texts.push_back(QStringLiteral("%1 + %2").arg(i * 7 % 20).arg(i * 11 % 20));
    }
    [[nodiscard]] QLabel *label() const { return m_label; }
    [[nodiscard]] QLineEdit *edit() const { return m_edit; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_edit && event->type() == QEvent::KeyRelease
            && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return) {
            m_next = (m_next + 1) % m_texts.size();
            m_label->setText(m_texts[m_next]);
            m_edit->clear();
            m_edit->setFocus(Qt::OtherFocusReason);
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    QLabel *m_label = nullptr;
    QLineEdit *m_edit = nullptr;
    std::vector<QString> m_texts;
    std::size_t m_next = 0;
};
