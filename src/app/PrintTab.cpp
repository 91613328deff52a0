// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PrintTab.h"

#include "app/AppSession.h"
#include "app/PreviewWindow.h"
#include "app/Prompter.h"
#include "app/WidgetFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dravik {

using namespace ui;

namespace {

std::string indexed(const char* name, int i)
{
    return std::string(name) + "(" + std::to_string(i) + ")";
}

// A row of option buttons named name(0), name(1), ... in a box of their own, so
// that each group is exclusive by itself.
template <size_t N>
void addOptions(Language lang, const char* name, std::array<QRadioButton*, N>& options, QBoxLayout* layout)
{
    for (size_t i = 0; i < N; ++i) {
        options[i] = make<QRadioButton>(lang, indexed(name, static_cast<int>(i)).c_str());
        layout->addWidget(options[i]);
    }
    options[0]->setChecked(true);
}

template <size_t N>
int chosen(const std::array<QRadioButton*, N>& options)
{
    for (size_t i = 0; i < N; ++i)
        if (options[i]->isChecked())
            return static_cast<int>(i);
    return 0;
}

} // namespace

PrintTab::PrintTab(FormContext& form, QWidget* parent) : QWidget(parent), form_(form)
{
    const Language lang = form_.lang;
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* whatBox = new QWidget;
    auto* whatRow = new QHBoxLayout(whatBox);
    addOptions(lang, "optDPR", optDPR_, whatRow);
    for (int i = 0; i < 3; ++i)
        connect(optDPR_[i], &QRadioButton::clicked, this, [this, i] { optDPR_Click(i); });
    top->addWidget(whatBox);
    top->addStretch(1);
    auto* cmdPView = make<QPushButton>(lang, "cmdPView");
    auto* cmdPEdit = make<QPushButton>(lang, "cmdPEdit");
    top->addWidget(cmdPView);
    top->addWidget(cmdPEdit);
    auto* cmdWeb = make<QPushButton>(lang, "cmdWeb");
    top->addWidget(cmdWeb);
    connect(cmdWeb, &QPushButton::clicked, this, [this] { cmdWeb_Click(); });
    connect(cmdPView, &QPushButton::clicked, this, [this] { cmdPView_Click(); });
    connect(cmdPEdit, &QPushButton::clicked, this, [this] { cmdPEdit_Click(); });
    layout->addLayout(top);
    // The folder every Save publishes the web site into, kept for the suite.
    auto* webRow = new QHBoxLayout;
    webRow->addWidget(make<QLabel>(lang, "lblWebFolder"));
    txtWebFolder_ = make<QLineEdit>(lang, "txtWebFolder");
    webRow->addWidget(txtWebFolder_, 1);
    auto* cmdWebFolder = make<QPushButton>(lang, "cmdWebFolder");
    webRow->addWidget(cmdWebFolder);
    connect(cmdWebFolder, &QPushButton::clicked, this, [this] { cmdWebFolder_Click(); });
    layout->addLayout(webRow);

    layout->addWidget(buildProgrammeOptions());
    layout->addWidget(buildRecordColumns());
    layout->addWidget(buildAnalysisSteps());
    layout->addStretch(1);
    proBar_ = new QProgressBar;
    proBar_->setObjectName("proBar");
    proBar_->hide();
    layout->addWidget(proBar_);
    fraRAction_->hide();
    fraAnal_->hide();
    showOptionFrames();
}

PrintTab::~PrintTab() = default;

PreviewWindow* PrintTab::previewWindow() const
{
    return form_.session.existingPreviewWindow();
}

QWidget* PrintTab::buildProgrammeOptions()
{
    const Language lang = form_.lang;
    fraPAction_ = panel("fraPAction");
    auto* grid = new QGridLayout(fraPAction_);

    auto* kind = new QGroupBox;
    kind->setObjectName("fraPrt");
    addOptions(lang, "optPrt", optPrt_, new QVBoxLayout(kind));
    for (QRadioButton* o : optPrt_)
        connect(o, &QRadioButton::clicked, this, [this] { showOptionFrames(); });
    grid->addWidget(kind, 0, 0);

    auto* fraPOrde = make<QGroupBox>(lang, "fraPOrde");
    auto* porde = new QVBoxLayout(fraPOrde);
    for (int i = 0; i < 4; ++i) {
        optDisp1_[i] = make<QRadioButton>(lang, indexed("optDisp1", i).c_str());
        porde->addWidget(optDisp1_[i]);
        connect(optDisp1_[i], &QRadioButton::clicked, this, [this, i] { emit printOrderChosen(i); });
    }
    grid->addWidget(fraPOrde, 1, 0);

    auto* fraRec = make<QGroupBox>(lang, "fraRec");
    auto* rec = new QVBoxLayout(fraRec);
    addOptions(lang, "optRec", optRec_, rec);
    for (QRadioButton* o : optRec_)
        connect(o, &QRadioButton::clicked, this, [this] { showOptionFrames(); });
    fraRDat_ = panel("fraRDat");
    auto* rdat = new QVBoxLayout(fraRDat_);
    rdat->addWidget(make<QLabel>(lang, "lblRDat"));
    addOptions(lang, "optRDat", optRDat_, rdat);
    rec->addWidget(fraRDat_);
    grid->addWidget(fraRec, 0, 1, 2, 1);

    auto* font = new QHBoxLayout;
    font->addWidget(make<QLabel>(lang, "lblFont"));
    cmbFont_ = make<QComboBox>(lang, "cmbFont");
    font->addWidget(cmbFont_);
    // The list begins at 6 points, one entry per point.
    connect(cmbFont_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            form_.printFontSize = i + 6;
    });
    grid->addLayout(font, 0, 2);
    fraDae_ = make<QGroupBox>(lang, "fraDae");
    auto* dae = new QHBoxLayout(fraDae_);
    chkDDae_ = make<QCheckBox>(lang, "chkDDae");
    chkDDae_->setChecked(true);
    lblDDag_ = make<QLabel>(lang, "lblDDag");
    cmbDDae_ = make<QComboBox>(lang, "cmbDDae");
    dae->addWidget(chkDDae_);
    dae->addWidget(lblDDag_);
    dae->addWidget(cmbDDae_);
    connect(chkDDae_, &QCheckBox::clicked, this, [this] { showOptionFrames(); });
    grid->addWidget(fraDae_, 1, 2);

    grid->addWidget(buildGateOptions(), 2, 0, 1, 3);
    return fraPAction_;
}

QWidget* PrintTab::buildGateOptions()
{
    const Language lang = form_.lang;
    fraGate_ = panel("fraGate");
    auto* gate = new QHBoxLayout(fraGate_);
    auto* names = new QVBoxLayout;
    for (int i = 0; i < 2; ++i) {
        chkPopt_[i] = make<QCheckBox>(lang, indexed("chkPopt", i).c_str());
        names->addWidget(chkPopt_[i]);
        connect(chkPopt_[i], &QCheckBox::clicked, this, [this] { showOptionFrames(); });
    }
    gate->addLayout(names);
    fraVoor_ = panel("fraVoor");
    addOptions(lang, "optVol", optVol_, new QVBoxLayout(fraVoor_));
    gate->addWidget(fraVoor_);
    auto* places = new QWidget;
    auto* placeRow = new QHBoxLayout(places);
    placeRow->addWidget(make<QLabel>(lang, "Label47"));
    addOptions(lang, "optPlace", optPlace_, placeRow);
    gate->addWidget(places);
    chkTaal_ = make<QCheckBox>(lang, "chkTaal");
    gate->addWidget(chkTaal_);
    chkIds_ = make<QCheckBox>(lang, "chkIds");
    gate->addWidget(chkIds_);
    gate->addStretch(1);
    return fraGate_;
}

QWidget* PrintTab::buildRecordColumns()
{
    fraRAction_ = panel("fraRAction");
    auto* grid = new QGridLayout(fraRAction_);
    for (int i = 0; i < 10; ++i) {
        Check1_[i] = make<QCheckBox>(form_.lang, indexed("Check1", i).c_str());
        Check1_[i]->setChecked(true);
        grid->addWidget(Check1_[i], i / 5, i % 5);
        connect(Check1_[i], &QCheckBox::clicked, this, [this] { Check1_Click(); });
    }
    return fraRAction_;
}

QWidget* PrintTab::buildAnalysisSteps()
{
    fraAnal_ = panel("fraAnal");
    auto* steps = new QVBoxLayout(fraAnal_);
    for (const std::string& line : analysisInstructions())
        steps->addWidget(new QLabel(QString::fromStdString(line)));
    return fraAnal_;
}

void PrintTab::fillDayLists()
{
    lblDDag_->hide();
    cmbDDae_->clear();
    for (const char* day : {"1", "2", "3"})
        cmbDDae_->addItem(day);
    bool severalDays = form_.meeting.days != 1;
    fraDae_->setVisible(severalDays);
    if (severalDays)
        cmbDDae_->hide();
}

void PrintTab::resetForActivation()
{
    printState_ = 0;
    cmbFont_->clear();
    for (int size = 6; size <= 16; ++size)
        cmbFont_->addItem(QString::number(size) + " pt");
    cmbFont_->setCurrentIndex(6);
    form_.printFontSize = 12;
    optDPR_[0]->setChecked(true);
    optDPR_Click(0);
    showWebFolder();
}

void PrintTab::showPrintOrder(int index)
{
    for (int i = 0; i < 4; ++i)
        optDisp1_[i]->setChecked(i == index);
}

void PrintTab::optDPR_Click(int index)
{
    fraPAction_->setVisible(index == 0);
    fraRAction_->setVisible(index == 1);
    fraAnal_->setVisible(index == 2);
}

void PrintTab::Check1_Click()
{
    // The record and the event are always in the records report.
    Check1_[8]->setChecked(true);
    Check1_[9]->setChecked(true);
}

// Which frames show follows the options: the gate frame for the gate programme,
// the record date for "All Data", the day list when not all days print, and the
// name style when names are printed.
void PrintTab::showOptionFrames()
{
    fraGate_->setVisible(optPrt_[1]->isChecked());
    fraRDat_->setVisible(optRec_[2]->isChecked());
    lblDDag_->setVisible(!chkDDae_->isChecked());
    cmbDDae_->setVisible(!chkDDae_->isChecked());
    fraVoor_->setVisible(chkPopt_[0]->isChecked() || chkPopt_[1]->isChecked());
}

void PrintTab::showRecordOption(printing::RecordsIncluded records)
{
    optRec_[static_cast<int>(records)]->setChecked(true);
    showOptionFrames();
}

printing::PrintOptions PrintTab::options() const
{
    using namespace printing;
    PrintOptions o;
    o.language = form_.lang;
    o.kind = static_cast<ProgrammeKind>(chosen(optPrt_));
    o.records = static_cast<RecordsIncluded>(chosen(optRec_));
    o.recordDate = static_cast<RecordDate>(chosen(optRDat_));
    o.allDays = chkDDae_->isChecked();
    o.day = cmbDDae_->currentText().toInt();
    o.fontSize = form_.printFontSize;
    o.names = chkPopt_[1]->isChecked()   ? GateNames::DrawOrder
              : chkPopt_[0]->isChecked() ? GateNames::EntryOrder
                                         : GateNames::None;
    o.nameStyle = static_cast<NameStyle>(chosen(optVol_));
    o.resultLines = 3 * (chosen(optPlace_) + 1);
    o.alternativeLanguage = chkTaal_->isChecked();
    o.ids = chkIds_->isChecked();
    return o;
}

printing::PrintWhat PrintTab::what() const
{
    return static_cast<printing::PrintWhat>(chosen(optDPR_));
}

void PrintTab::cmdPView_Click()
{
    if (beforePrint)
        beforePrint();
    if (!PrintSelection())
        return;
    PreviewWindow& preview = form_.session.previewWindow(form_.lang);
    preview.showDocument(document_);
    preview.show();
    preview.raise();
}

void PrintTab::cmdPEdit_Click()
{
    if (beforePrint)
        beforePrint();
    printing::EditCommand cmd = printing::editCommand(form_.session.store().folders(), what());
    Prompter& prompter = form_.session.prompter();
    using Problem = printing::EditCommand::Problem;
    if (cmd.problem == Problem::NoWordProcessor) {
        prompter.inform(this, form_.text("msgMissingProgram"), QString());
        return;
    }
    if (cmd.problem == Problem::NoDocument) {
        prompter.inform(this, form_.text("msgNoDocument").arg(QString::fromStdString(cmd.document)),
                        form_.text("msgPrintTitle"));
        return;
    }
    // The word processor runs on its own; the program does not wait for it.
    if (!QProcess::startDetached(QString::fromStdString(cmd.program), {QString::fromStdString(cmd.document)}))
        prompter.inform(this,
                        form_.text("msgNoWordProcessorStart")
                            .arg(QString::fromStdString(cmd.document), QString::fromStdString(cmd.program)),
                        form_.text("msgPrintTitle"));
}

} // namespace dravik
