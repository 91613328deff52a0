// SPDX-License-Identifier: GPL-3.0-or-later
// Controls named after their control names, with captions and tool tips from the text table.
#include "app/WidgetFactory.h"

#include "app/GridTableModel.h"
#include "app/TextTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

namespace dravik {

namespace ui {

void applyText(QWidget* w, const QString& caption)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(caption);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(caption);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(caption);
}

template <typename W>
W* make(Language lang, const char* name, QWidget* parent)
{
    auto* w = new W(parent);
    w->setObjectName(name);
    if (hasWindowText(name)) {
        QString caption = windowText(lang, name);
        if (!caption.isEmpty())
            applyText(w, caption);
        QString tip = toolTipOf(name);
        if (!tip.isEmpty())
            w->setToolTip(tip);
    }
    return w;
}

template QPushButton* make<QPushButton>(Language, const char*, QWidget*);
template QLabel* make<QLabel>(Language, const char*, QWidget*);
template QCheckBox* make<QCheckBox>(Language, const char*, QWidget*);
template QRadioButton* make<QRadioButton>(Language, const char*, QWidget*);
template QLineEdit* make<QLineEdit>(Language, const char*, QWidget*);
template QComboBox* make<QComboBox>(Language, const char*, QWidget*);
template QGroupBox* make<QGroupBox>(Language, const char*, QWidget*);
template QListWidget* make<QListWidget>(Language, const char*, QWidget*);
template QSpinBox* make<QSpinBox>(Language, const char*, QWidget*);

QFrame* panel(const char* name)
{
    auto* f = new QFrame;
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    return f;
}

QTableView* gridView(const char* name, GridTableModel* model)
{
    auto* v = new QTableView;
    v->setObjectName(name);
    v->setModel(model);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->verticalHeader()->setDefaultSectionSize(20);
    v->verticalHeader()->hide();
    GridModel& g = model->grid();
    for (int c = 0; c < g.cols(); ++c) {
        v->setColumnWidth(c, g.colWidth(c) / 10); // twips to pixels at a comfortable scale
        v->setColumnHidden(c, g.colHidden(c));
    }
    return v;
}

} // namespace ui

} // namespace dravik
