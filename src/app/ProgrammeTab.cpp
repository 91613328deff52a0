// SPDX-License-Identifier: GPL-3.0-or-later
// The Compile tab: its controls, activation steps, Save and Reload.
#include "app/ProgrammeTab.h"

#include "app/AppSession.h"
#include "app/ErrorText.h"
#include "app/GridTableModel.h"
#include "app/Prompter.h"
#include "app/PublishOnSave.h"
#include "app/WidgetFactory.h"
#include "platform/StoreError.h"
#include "platform/TextNumber.h"
#include "programme/ProgrammeRow.h"
#include "programme/ProgrammeSave.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace dravik {

using namespace ui;

ProgrammeTab::ProgrammeTab(FormContext& form, QWidget* parent) : QWidget(parent), form_(form)
{
    buildUi();
    connectEditor();
    connectGrid();
}

void ProgrammeTab::buildUi()
{
    const Language lang = form_.lang;
    auto* layout = new QHBoxLayout(this);

    // The programme grid with the panels that take turns under it.
    auto* left = new QVBoxLayout;
    progModel_ = new GridTableModel(form_.programme, this);
    flxProg_ = gridView("flxProg", progModel_);
    left->addWidget(flxProg_, 1);

    fraAction_ = panel("fraAction");
    auto* actions = new QHBoxLayout(fraAction_);
    cmdAdd_ = make<QPushButton>(lang, "cmdAdd");
    cmdWysig_ = make<QPushButton>(lang, "cmdWysig");
    cmdDelete_ = make<QPushButton>(lang, "cmdDelete");
    cmdClear_ = make<QPushButton>(lang, "cmdClear");
    cmdMove_ = make<QPushButton>(lang, "cmdMove");
    cmdRenum_ = make<QPushButton>(lang, "cmdRenum");
    cmdVolg_ = make<QPushButton>(lang, "cmdVolg");
    cmdSave_ = make<QPushButton>(lang, "cmdSave");
    cmdHerlees_ = make<QPushButton>(lang, "cmdHerlees");
    for (QPushButton* b :
         {cmdAdd_, cmdWysig_, cmdDelete_, cmdClear_, cmdMove_, cmdRenum_, cmdVolg_, cmdSave_, cmdHerlees_})
        actions->addWidget(b);
    left->addWidget(fraAction_);
    connect(cmdSave_, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdHerlees_, &QPushButton::clicked, this, [this] { cmdHerlees_Click(); });

    fraNuut_ = panel("fraNuut");
    auto* nuut = new QHBoxLayout(fraNuut_);
    auto* lblNuut = make<QLabel>(lang, "lblNuut");
    lblNuut->setWordWrap(true);
    nuut->addWidget(lblNuut, 1);
    nuut->addWidget(make<QPushButton>(lang, "cmdUpdate"));
    nuut->addWidget(make<QPushButton>(lang, "cmdCancel"));
    left->addWidget(fraNuut_);

    fraWysig_ = panel("fraWysig");
    auto* wysig = new QHBoxLayout(fraWysig_);
    wysig->addWidget(make<QLabel>(lang, "Label52"), 1);
    wysig->addWidget(make<QPushButton>(lang, "cmdVoltooi"));
    fraWysig_->hide();
    left->addWidget(fraWysig_);

    fraMoveEnd_ = panel("fraMoveEnd");
    auto* moveEnd = new QHBoxLayout(fraMoveEnd_);
    auto* moveText = new QVBoxLayout;
    for (const char* n : {"lblMove1", "lblMove2", "lblMove3"})
        moveText->addWidget(make<QLabel>(lang, n));
    moveEnd->addLayout(moveText, 1);
    moveEnd->addWidget(make<QPushButton>(lang, "cmdMoveEnd"));
    left->addWidget(fraMoveEnd_);

    fraHerN_ = panel("fraHerN");
    auto* hern = new QHBoxLayout(fraHerN_);
    for (int i = 0; i < 2; ++i) {
        optHer_[i] = make<QRadioButton>(lang, i == 0 ? "optHer(0)" : "optHer(1)");
        hern->addWidget(optHer_[i]);
    }
    optHer_[0]->setChecked(true);
    frareeks_ = new QFrame;
    frareeks_->setObjectName("frareeks");
    auto* reeks = new QHBoxLayout(frareeks_);
    for (auto [label, edit, field] : {std::tuple{"lblBegin", "txtBegin", &txtBegin_},
                                      {"lblEind", "txtEind", &txtEind_},
                                      {"lblNBegin", "txtNBegin", &txtNBegin_}}) {
        reeks->addWidget(make<QLabel>(lang, label));
        *field = make<QLineEdit>(lang, edit);
        (*field)->setMaximumWidth(60);
        reeks->addWidget(*field);
    }
    hern->addWidget(frareeks_);
    chkHer_ = make<QCheckBox>(lang, "chkHer");
    hern->addWidget(chkHer_);
    hern->addWidget(make<QPushButton>(lang, "cmdHerNou"));
    hern->addWidget(make<QPushButton>(lang, "cmdHerEinde"));
    left->addWidget(fraHerN_);
    layout->addLayout(left, 3);

    auto* right = new QVBoxLayout;
    right->addWidget(buildEventFields());

    right->addWidget(buildRecordPanel());

    fraDisp_ = panel("fraDisp");
    auto* disp = new QVBoxLayout(fraDisp_);
    disp->addWidget(make<QLabel>(lang, "lblDisp"));
    for (int i = 0; i < 4; ++i) {
        optDisp_[i] = make<QRadioButton>(lang, QString("optDisp(%1)").arg(i).toUtf8().constData());
        disp->addWidget(optDisp_[i]);
    }
    disp->addWidget(make<QPushButton>(lang, "cmdSluit"));
    fraDisp_->hide();
    right->addWidget(fraDisp_);
    right->addStretch(1);
    layout->addLayout(right, 1);
}

QWidget* ProgrammeTab::buildEventFields()
{
    const Language lang = form_.lang;
    fraData_ = panel("fraData");
    auto* fields = new QGridLayout(fraData_);
    int row = 0;
    auto addField = [&](const char* label, QWidget* w) {
        fields->addWidget(make<QLabel>(lang, label), row, 0);
        fields->addWidget(w, row++, 1);
    };
    txtNumber_ = make<QLineEdit>(lang, "txtNumber");
    txtSub_ = make<QLineEdit>(lang, "txtSub");
    txtTime_ = make<QLineEdit>(lang, "txtTime");
    txtTime_->setInputMask("99:99");
    txtPoint_ = make<QLineEdit>(lang, "txtPoint");
    // The fields hold no more than the programme table stores.
    addField("lblNumber", txtNumber_);
    addField("lblSub", txtSub_);
    addField("lblTime", txtTime_);
    auto* genders = new QWidget;
    auto* genderRow = new QHBoxLayout(genders);
    genderRow->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 2; ++i) {
        optGen_[i] = make<QRadioButton>(lang, i == 0 ? "optGen(0)" : "optGen(1)");
        genderRow->addWidget(optGen_[i]);
    }
    optGen_[0]->setChecked(true);
    addField("lblGender", genders);
    cmbAge_ = make<QComboBox>(lang, "cmbAge");
    addField("lblAge", cmbAge_);
    cmbItem_ = make<QComboBox>(lang, "cmbItem");
    addField("lblItem", cmbItem_);
    cmbTV_ = make<QComboBox>(lang, "cmbTV", fraData_);
    cmbTV_->hide();
    cmbLevel_ = make<QComboBox>(lang, "cmbLevel");
    addField("lblLevel", cmbLevel_);
    addField("lblPoint", txtPoint_);
    fields->addWidget(make<QLabel>(lang, "lblPointNote"), row++, 1);
    lblDagn_ = make<QLabel>(lang, "lblDagn");
    cmbDagn_ = make<QComboBox>(lang, "cmbDagn");
    fields->addWidget(lblDagn_, row, 0);
    fields->addWidget(cmbDagn_, row++, 1);
    auto* fraAmp = make<QGroupBox>(lang, "fraAmp");
    auto* ampRow = new QHBoxLayout(fraAmp);
    for (int i = 0; i < 2; ++i) {
        optAmp_[i] = make<QRadioButton>(lang, i == 0 ? "optAmp(0)" : "optAmp(1)");
        ampRow->addWidget(optAmp_[i]);
    }
    optAmp_[0]->setChecked(true);
    fields->addWidget(fraAmp, row++, 0, 1, 2);
    return fraData_;
}

void ProgrammeTab::resetForActivation()
{
    EditorPanels& panels = fields_.panels;
    panels.fraData = false;
    panels.fraAction = true;
    panels.fraMoveEnd = false;
    panels.fraNuut = false;
    panels.fraHerN = false;
    editor_.endMoves();
    for (QPushButton* b : {cmdAdd_, cmdClear_, cmdDelete_, cmdRenum_, cmdSave_, cmdMove_})
        b->show();

    // Levels, ages and days of the event fields; the current age starts at the lowest age.
    fillEventFieldLists(fields_, form_.lang, form_.meeting);
    editor_.currentAge = form_.meeting.minAgeIndex;
    bool severalDays = form_.meeting.days != 1;
    lblDagn_->setVisible(severalDays);
    cmbDagn_->setVisible(severalDays);
    if (severalDays)
        fields_.cmbDagn.select(0);
    pushFields();
}

void ProgrammeTab::loadProgramme()
{
    GridModel& prog = form_.programme;
    RecordSet& atld40 = form_.session.store().atld40();
    // The open set keeps the order this window saved in, unless another window
    // or program stored the programme since: then the set is read again.
    std::optional<std::uint64_t>& loaded = form_.session.programme.storedFingerprint;
    const std::uint64_t stored = atld40.tableFingerprint();
    if (loaded && stored != *loaded)
        atld40.requery();
    loadProgrammeGrid(atld40, form_.session.reference(), form_.lang, prog);
    loaded = stored;
    if (prog.rows() > 1) {
        editor_.previousGender = prog.cell(1, pcol::Gender);
        editor_.previousAge = textToNumber(prog.cell(1, pcol::Age));
        editorAction([](const EditorContext& ctx) { ShowEventFields(ctx); });
    } else {
        pushFields();
    }
}

void ProgrammeTab::showGridFromTop()
{
    resetEditorState();
    GridModel& prog = form_.programme;
    if (prog.rows() > 1) {
        prog.setCurrent(1, 0);
        editor_.previousGender = prog.cell(1, pcol::Gender);
        editor_.previousAge = textToNumber(prog.cell(1, pcol::Age));
        editorAction([](const EditorContext& ctx) { ShowEventFields(ctx); });
    }
}

void ProgrammeTab::fillRecordSets()
{
    for (QComboBox* c : {cmbPRek_, cmbPrekR_})
        c->clear();
    for (const RecordSetEntry& set : form_.recordSets.active) {
        cmbPRek_->addItem(QString::fromStdString(set.listText()));
        cmbPrekR_->addItem(QString::fromStdString(set.verw));
    }
    editor_.activeRecordSets = form_.recordSets.activeCount();
    if (editor_.activeRecordSets > 0) {
        cmbPRek_->setCurrentIndex(0);
        cmbPrekR_->setCurrentIndex(0);
    }
}

void ProgrammeTab::resetEditorState()
{
    editor_.endMoves();
    EditorPanels& p = fields_.panels;
    p.fraNuut = p.fraMoveEnd = p.fraHerN = p.fraWysig = false;
    p.fraData = p.fraPRek = false;
    p.fraAction = true;
    pushFields();
}

void ProgrammeTab::cmdHerlees_Click()
{
    loadProgramme();
}

void ProgrammeTab::cmdSave_Click()
{
    AppSession& session = form_.session;
    std::optional<std::uint64_t>& loaded = session.programme.storedFingerprint;
    const ProgrammeRules rules{form_.meeting.days, session.reference().definitions};
    try {
        try {
            saveProgrammeGrid(form_.programme, form_.lang, rules, session.store().atld40(), &loaded);
        } catch (const StoreError& e) {
            if (e.kind() != StoreError::Kind::Changed)
                throw;
            // Somebody else saved the programme since it was loaded: overwrite, or keep theirs.
            if (!session.prompter().ask(this, form_.text("msgStoredChanged"), form_.text("msgStoredChangedTitle"))) {
                loadProgramme();
                session.programme.ProgrammeChanged = false;
                return;
            }
            std::optional<std::uint64_t> overwrite;
            saveProgrammeGrid(form_.programme, form_.lang, rules, session.store().atld40(), &overwrite);
            loaded = overwrite;
        }
    } catch (const std::exception& e) {
        // The stored programme is as it was; the grid keeps the user's work.
        session.prompter().inform(this, wordedError(e, form_.lang), form_.text("msgSaveFailedTitle"));
        return;
    }
    session.programme.ProgrammeChanged = false;
    resetEditorState();
    session.prompter().inform(this, form_.text("msgSaved"), form_.text("msgSavedTitle"));
    publishOnSave(form_, this);
}

} // namespace dravik
