// SPDX-License-Identifier: GPL-3.0-or-later
// The programme tab's editor handlers: each reads the controls into the event
// fields, runs one editor function and shows the fields and panels again.
#include "app/AppSession.h"
#include "app/GridTableModel.h"
#include "app/ProgrammeTab.h"
#include "app/Prompter.h"
#include "app/TextTable.h"
#include "app/WidgetFactory.h"
#include "programme/ProgrammeRow.h"

#include <QCheckBox>
#include <QComboBox>

#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>

namespace dravik {

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

// Sets a list's entries only when they differ, so that its selection and
// scroll position survive the many calls that change nothing.
void showList(QComboBox* box, const std::vector<std::string>& entries, int index)
{
    QSignalBlocker block(box);
    bool same = box->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < box->count(); ++i)
        same = box->itemText(i).toStdString() == entries[i];
    if (!same) {
        box->clear();
        for (const auto& e : entries)
            box->addItem(qs(e));
    }
    box->setCurrentIndex(index < box->count() ? index : -1);
}

// Times typed into the grid's time column take the form "99:99", as in txtTime.
class TimeCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setInputMask("99:99");
        (void)option;
        (void)index;
        return editor;
    }
    // The mask shows an empty time as ":"; the grid keeps it empty (saved as 00:00).
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        QString text = static_cast<QLineEdit*>(editor)->text();
        model->setData(index, text == ":" ? QString() : text, Qt::EditRole);
    }
};

} // namespace

EditorContext ProgrammeTab::editorContext()
{
    AppSession& session = form_.session;
    return EditorContext{form_.programme,          fields_, editor_, session.programme, session.reference(), form_.lang,
                         &session.store().atld40()};
}

void ProgrammeTab::pullFields()
{
    fields_.txtNumber = txtNumber_->text().toStdString();
    fields_.txtSub = txtSub_->text().toStdString();
    // The "99:99" mask shows an empty time as ":".
    std::string time = txtTime_->text().toStdString();
    fields_.txtTime = time == ":" ? std::string() : time;
    fields_.txtPoint = txtPoint_->text().toStdString();
    for (size_t i = 0; i < txtPRek_.size(); ++i)
        fields_.txtPRek[i] = txtPRek_[i]->text().toStdString();
    fields_.optGen = optGen_[1]->isChecked() ? 1 : 0;
    fields_.optAmp = optAmp_[1]->isChecked() ? 1 : 0;
    fields_.cmbAge.select(cmbAge_->currentIndex());
    fields_.events.select(cmbItem_->currentIndex());
    fields_.cmbLevel.select(cmbLevel_->currentIndex());
    fields_.cmbDagn.select(cmbDagn_->currentIndex());

    renumber_.txtBegin = txtBegin_->text().toStdString();
    renumber_.txtEind = txtEind_->text().toStdString();
    renumber_.txtNBegin = txtNBegin_->text().toStdString();
    renumber_.optHer = optHer_[1]->isChecked() ? 1 : 0;
    renumber_.chkHer = chkHer_->isChecked();
}

void ProgrammeTab::pushFields()
{
    txtNumber_->setText(qs(fields_.txtNumber));
    txtSub_->setText(qs(fields_.txtSub));
    txtTime_->setText(qs(fields_.txtTime));
    txtPoint_->setText(qs(fields_.txtPoint));
    for (size_t i = 0; i < txtPRek_.size(); ++i)
        txtPRek_[i]->setText(qs(fields_.txtPRek[i]));
    cmdPRek_->setEnabled(fields_.cmdPRekEnabled);
    optGen_[fields_.optGen == 1 ? 1 : 0]->setChecked(true);
    optAmp_[fields_.optAmp == 1 ? 1 : 0]->setChecked(true);
    showList(cmbAge_, fields_.cmbAge.entries, fields_.cmbAge.index);
    showList(cmbItem_, fields_.events.cmbItem(), fields_.events.index());
    showList(cmbTV_, fields_.events.cmbTV(), fields_.events.index());
    showList(cmbLevel_, fields_.cmbLevel.entries, fields_.cmbLevel.index);
    showList(cmbDagn_, fields_.cmbDagn.entries, fields_.cmbDagn.index);

    const EditorPanels& p = fields_.panels;
    fraData_->setVisible(p.fraData);
    fraAction_->setVisible(p.fraAction);
    fraNuut_->setVisible(p.fraNuut);
    fraWysig_->setVisible(p.fraWysig);
    fraMoveEnd_->setVisible(p.fraMoveEnd);
    fraHerN_->setVisible(p.fraHerN);
    fraPRek_->setVisible(p.fraPRek);
    fraDisp_->setVisible(p.fraDisp);
    if (p.fraDisp)
        fraDisp_->raise();

    txtBegin_->setText(qs(renumber_.txtBegin));
    txtEind_->setText(qs(renumber_.txtEind));
    txtNBegin_->setText(qs(renumber_.txtNBegin));
    optHer_[renumber_.optHer == 1 ? 1 : 0]->setChecked(true);
    chkHer_->setChecked(renumber_.chkHer);
    frareeks_->setVisible(renumber_.frareeks);

    for (int i = 0; i < 4; ++i)
        optDisp_[i]->setChecked(editor_.displayOrder == i);
    if (shownDisplayOrder_ != editor_.displayOrder) {
        shownDisplayOrder_ = editor_.displayOrder;
        emit displayOrderChanged(shownDisplayOrder_);
    }

    // The view follows the grid's current row.
    syncingView_ = true;
    const GridModel& prog = form_.programme;
    int r = prog.row();
    if (r >= 1 && r < prog.rows()) {
        QModelIndex index = progModel_->index(r - 1, std::max(prog.col(), 0));
        flxProg_->setCurrentIndex(index);
        flxProg_->scrollTo(index);
    }
    syncingView_ = false;
}

void ProgrammeTab::editorAction(const std::function<void(const EditorContext&)>& action)
{
    pullFields();
    action(editorContext());
    pushFields();
}

void ProgrammeTab::showResult(const EntryResult& result)
{
    if (!result.ok())
        form_.session.prompter().inform(this, qs(result.message), qs(result.title));
}

void ProgrammeTab::programmeViewCurrentChanged(const QModelIndex& current)
{
    if (syncingView_ || !current.isValid())
        return;
    editorAction([&](const EditorContext& ctx) {
        beforeCellChange(ctx);
        form_.programme.setCurrent(current.row() + 1, current.column());
        afterCellChange(ctx);
    });
}

bool ProgrammeTab::eventFilter(QObject* watched, QEvent* event)
{
    // Opening and closing the drop-down moves the focus to its popup and back;
    // only focus that really enters or leaves the age list counts.
    bool popup = (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) &&
                 static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
    if (watched == cmbAge_ && !popup) {
        if (event->type() == QEvent::FocusIn)
            editorAction([](const EditorContext& ctx) { ageGotFocus(ctx); });
        else if (event->type() == QEvent::FocusOut)
            editorAction([](const EditorContext& ctx) { ageLostFocus(ctx); });
    }
    return QWidget::eventFilter(watched, event);
}

void ProgrammeTab::displayOrderClicked(int index)
{
    editorAction([index](const EditorContext& ctx) { dravik::displayOrderClicked(ctx, index); });
}

void ProgrammeTab::connectEditor()
{
    auto button = [this](const char* name) { return findChild<QPushButton*>(name); };
    auto on = [this](QPushButton* b, std::function<void(const EditorContext&)> action) {
        connect(b, &QPushButton::clicked, this, [this, action] { editorAction(action); });
    };
    for (int i = 0; i < 4; ++i)
        connect(optDisp_[i], &QRadioButton::clicked, this, [this, i] { displayOrderClicked(i); });

    on(cmdAdd_, [this](const EditorContext& ctx) {
        newEvent(ctx);
        txtNumber_->setFocus();
    });
    connect(button("cmdUpdate"), &QPushButton::clicked, this, [this] {
        EntryResult result;
        editorAction([&](const EditorContext& ctx) { result = moveDataToProgramme(ctx); });
        showResult(result);
        txtNumber_->setFocus();
    });
    on(button("cmdCancel"), [](const EditorContext& ctx) { endNewEvents(ctx); });
    on(cmdWysig_, [](const EditorContext& ctx) { modifyEvent(ctx); });
    connect(button("cmdVoltooi"), &QPushButton::clicked, this, [this] {
        EntryResult result;
        editorAction([&](const EditorContext& ctx) { result = completeEvent(ctx); });
        showResult(result);
    });
    on(cmdDelete_, [this](const EditorContext& ctx) {
        deleteEvent(ctx,
                    [this](const Question& q) { return form_.session.prompter().ask(this, qs(q.text), qs(q.title)); });
    });
    on(cmdClear_, [](const EditorContext& ctx) { clearProgramme(ctx); });
    on(cmdMove_, [](const EditorContext& ctx) { startMoves(ctx); });
    on(button("cmdMoveEnd"), [](const EditorContext& ctx) { endMoves(ctx); });
    on(cmdRenum_, [this](const EditorContext& ctx) { startRenumber(ctx, renumber_); });
    connect(button("cmdHerNou"), &QPushButton::clicked, this, [this] {
        EntryResult result;
        editorAction([&](const EditorContext& ctx) { result = continueRenumber(ctx, renumber_); });
        showResult(result);
    });
    on(button("cmdHerEinde"), [](const EditorContext& ctx) { exitRenumber(ctx); });
    on(cmdVolg_, [](const EditorContext& ctx) { openDisplayOrder(ctx); });
    on(button("cmdSluit"), [](const EditorContext& ctx) { closeDisplayOrder(ctx); });
    for (int i = 0; i < 2; ++i) {
        connect(optHer_[i], &QRadioButton::clicked, this,
                [this, i] { editorAction([this, i](const EditorContext&) { renumberScopeClicked(renumber_, i); }); });
        connect(optGen_[i], &QRadioButton::clicked, this,
                [this, i] { editorAction([i](const EditorContext& ctx) { genderClicked(ctx, i); }); });
        // A new filter takes effect at once: the event list is refilled, keeping
        // the chosen event when it is still listed.
        connect(optAmp_[i], &QRadioButton::clicked, this, [this] {
            editorAction([](const EditorContext& ctx) {
                EventList& events = ctx.fields.events;
                std::string chosen = events.tvText();
                FillEventList(ctx);
                const auto& numbers = events.cmbTV();
                auto kept = std::find(numbers.begin(), numbers.end(), chosen);
                events.select(kept != numbers.end() ? static_cast<int>(kept - numbers.begin()) : 0);
            });
        });
    }
    connect(cmbItem_, &QComboBox::activated, this,
            [this](int i) { editorAction([i](const EditorContext& ctx) { eventClicked(ctx, i); }); });
    cmbAge_->installEventFilter(this);
}

void ProgrammeTab::connectGrid()
{
    connect(flxProg_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { programmeViewCurrentChanged(current); });
    connect(flxProg_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        editorAction([&](const EditorContext& ctx) { gridClicked(ctx, index.row() + 1); });
    });

    // Cells typed into the grid are checked as the store checks them (a
    // refusal names the value, nothing is cut); any edit counts as a change
    // that Exit asks about.
    // The cells Save stores as typed; the others follow the event fields.
    progModel_->setEditable(true);
    progModel_->setEditableColumns({pcol::Number, pcol::Sub, pcol::Time, pcol::Point, pcol::Day});
    flxProg_->setItemDelegateForColumn(pcol::Time, new TimeCellDelegate(flxProg_));
    progModel_->setEditCheck([this](int row, int col, const QString& text) {
        EntryResult check = checkProgrammeCell(col, text.toStdString(), form_.lang, form_.meeting.days);
        if (!check.ok()) {
            refusedCellTitle_ = qs(check.title);
            return qs(check.message);
        }
        if (form_.programme.cell(row, col) != text.toStdString())
            form_.session.programme.ProgrammeChanged = true;
        return QString();
    });
    connect(progModel_, &GridTableModel::editRefused, this,
            [this](const QString& message) { form_.session.prompter().inform(this, message, refusedCellTitle_); });
}

} // namespace dravik
