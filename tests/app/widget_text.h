#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

// What the user reads on a control: caption, text or chosen item.
inline QString visibleText(const QWidget* w)
{
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    if (auto* c = qobject_cast<const QComboBox*>(w))
        return c->currentText();
    return QString();
}

inline std::ostream& operator<<(std::ostream& os, const QRect& r)
{
    return os << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height();
}

inline std::ostream& operator<<(std::ostream& os, const QString& s)
{
    return os << '"' << s.toStdString() << '"';
}

// One row of a window's control table; a negative width or height means the
// control sizes itself to its text and only its place is fixed.
template <class Form>
struct ControlRow {
    const char* name;
    QWidget* (*get)(Form&);
    QRect place;
    QString text;
    QString hint;
};

#define CONTROL(Form, n) #n, [](Form& f) -> QWidget* { return f.n; }

template <class Form, std::size_t N>
void expectControls(Form& form, const ControlRow<Form> (&rows)[N])
{
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* w = row.get(form);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), &form);
        QRect actual = w->geometry();
        if (row.place.width() < 0)
            actual = QRect(actual.topLeft(), row.place.size());
        EXPECT_EQ(actual, row.place);
        EXPECT_EQ(visibleText(w), row.text);
        EXPECT_EQ(w->toolTip(), row.hint);
    }
}
