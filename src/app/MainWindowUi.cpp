// Builds the controls of the main window; their object names are the control
// names the handlers and tests look them up by.
#include "app/GridTableModel.h"
#include "app/MainWindow.h"
#include "app/TextTable.h"
#include "app/WidgetFactory.h"
#include "programme/ProgrammeRow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

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

using namespace ui;

void MainWindow::buildUi()
{
    auto* central = new QWidget;
    auto* outer = new QVBoxLayout(central);
    tabVoor_ = new QTabWidget;
    tabVoor_->setObjectName("tabVoor");
    tabVoor_->addTab(buildProgrammeTab(), text("tab0"));
    tabVoor_->addTab(buildRecordsTab(), text("tab1"));
    tabVoor_->addTab(buildExchangeTab(), text("tab2"));
    tabVoor_->addTab(buildPrintTab(), text("tab3"));
    tabVoor_->addTab(buildAnalysisTab(), text("tab4"));
    tabVoor_->addTab(buildGeneratorTab(), text("tab5"));
    outer->addWidget(tabVoor_, 1);

    auto* bottom = new QHBoxLayout;
    lblMeet_ = make<QLabel>(lang_, "lblMeet");
    QFont bold = lblMeet_->font();
    bold.setBold(true);
    lblMeet_->setFont(bold);
    bottom->addWidget(lblMeet_, 1);
    auto* cmdAE = make<QPushButton>(lang_, "cmdAE");
    auto* cmdEinde = make<QPushButton>(lang_, "cmdEinde");
    bottom->addWidget(cmdAE);
    bottom->addWidget(cmdEinde);
    outer->addLayout(bottom);
    connect(cmdAE, &QPushButton::clicked, this, [this] { cmdAE_Click(); });
    connect(cmdEinde, &QPushButton::clicked, this, [this] { cmdEinde_Click(); });

    setCentralWidget(central);
    resize(1100, 720);
}

QWidget* MainWindow::buildProgrammeTab()
{
    auto* tab = new QWidget;
    auto* layout = new QHBoxLayout(tab);

    // The programme grid with the panels that take turns under it.
    auto* left = new QVBoxLayout;
    progModel_ = new GridTableModel(prog_, this);
    flxProg_ = gridView("flxProg", progModel_);
    left->addWidget(flxProg_, 1);

    fraAction_ = panel("fraAction");
    auto* actions = new QHBoxLayout(fraAction_);
    cmdAdd_ = make<QPushButton>(lang_, "cmdAdd");
    cmdWysig_ = make<QPushButton>(lang_, "cmdWysig");
    cmdDelete_ = make<QPushButton>(lang_, "cmdDelete");
    cmdClear_ = make<QPushButton>(lang_, "cmdClear");
    cmdMove_ = make<QPushButton>(lang_, "cmdMove");
    cmdRenum_ = make<QPushButton>(lang_, "cmdRenum");
    cmdVolg_ = make<QPushButton>(lang_, "cmdVolg");
    cmdSave_ = make<QPushButton>(lang_, "cmdSave");
    cmdHerlees_ = make<QPushButton>(lang_, "cmdHerlees");
    for (QPushButton* b : {cmdAdd_, cmdWysig_, cmdDelete_, cmdClear_, cmdMove_, cmdRenum_, cmdVolg_, cmdSave_, cmdHerlees_})
        actions->addWidget(b);
    left->addWidget(fraAction_);
    connect(cmdSave_, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdHerlees_, &QPushButton::clicked, this, [this] { cmdHerlees_Click(); });

    fraNuut_ = panel("fraNuut");
    auto* nuut = new QHBoxLayout(fraNuut_);
    auto* lblNuut = make<QLabel>(lang_, "lblNuut");
    lblNuut->setWordWrap(true);
    nuut->addWidget(lblNuut, 1);
    nuut->addWidget(make<QPushButton>(lang_, "cmdUpdate"));
    nuut->addWidget(make<QPushButton>(lang_, "cmdCancel"));
    left->addWidget(fraNuut_);

    fraWysig_ = panel("fraWysig");
    auto* wysig = new QHBoxLayout(fraWysig_);
    wysig->addWidget(make<QLabel>(lang_, "Label52"), 1);
    wysig->addWidget(make<QPushButton>(lang_, "cmdVoltooi"));
    fraWysig_->hide();
    left->addWidget(fraWysig_);

    fraMoveEnd_ = panel("fraMoveEnd");
    auto* moveEnd = new QHBoxLayout(fraMoveEnd_);
    auto* moveText = new QVBoxLayout;
    for (const char* n : {"lblMove1", "lblMove2", "lblMove3"})
        moveText->addWidget(make<QLabel>(lang_, n));
    moveEnd->addLayout(moveText, 1);
    moveEnd->addWidget(make<QPushButton>(lang_, "cmdMoveEnd"));
    left->addWidget(fraMoveEnd_);

    fraHerN_ = panel("fraHerN");
    auto* hern = new QHBoxLayout(fraHerN_);
    auto* her0 = make<QRadioButton>(lang_, "optHer(0)");
    auto* her1 = make<QRadioButton>(lang_, "optHer(1)");
    her0->setChecked(true);
    hern->addWidget(her0);
    hern->addWidget(her1);
    auto* frareeks = new QFrame;
    frareeks->setObjectName("frareeks");
    auto* reeks = new QHBoxLayout(frareeks);
    for (auto [label, edit] : {std::pair{"lblBegin", "txtBegin"}, {"lblEind", "txtEind"}, {"lblNBegin", "txtNBegin"}}) {
        reeks->addWidget(make<QLabel>(lang_, label));
        auto* e = make<QLineEdit>(lang_, edit);
        e->setMaximumWidth(60);
        reeks->addWidget(e);
    }
    hern->addWidget(frareeks);
    hern->addWidget(make<QCheckBox>(lang_, "chkHer"));
    hern->addWidget(make<QPushButton>(lang_, "cmdHerNou"));
    hern->addWidget(make<QPushButton>(lang_, "cmdHerEinde"));
    left->addWidget(fraHerN_);
    layout->addLayout(left, 3);

    // The event fields and the display-order panel.
    auto* right = new QVBoxLayout;
    fraData_ = panel("fraData");
    auto* fields = new QGridLayout(fraData_);
    int row = 0;
    auto addField = [&](const char* label, QWidget* w) {
        fields->addWidget(make<QLabel>(lang_, label), row, 0);
        fields->addWidget(w, row++, 1);
    };
    txtNumber_ = make<QLineEdit>(lang_, "txtNumber");
    txtSub_ = make<QLineEdit>(lang_, "txtSub");
    txtTime_ = make<QLineEdit>(lang_, "txtTime");
    txtTime_->setInputMask("99:99");
    addField("lblNumber", txtNumber_);
    addField("lblSub", txtSub_);
    addField("lblTime", txtTime_);
    auto* genders = new QWidget;
    auto* genderRow = new QHBoxLayout(genders);
    genderRow->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 2; ++i) {
        optGen_[i] = make<QRadioButton>(lang_, i == 0 ? "optGen(0)" : "optGen(1)");
        genderRow->addWidget(optGen_[i]);
    }
    optGen_[0]->setChecked(true);
    addField("lblGender", genders);
    cmbAge_ = make<QComboBox>(lang_, "cmbAge");
    addField("lblAge", cmbAge_);
    cmbItem_ = make<QComboBox>(lang_, "cmbItem");
    addField("lblItem", cmbItem_);
    cmbTV_ = make<QComboBox>(lang_, "cmbTV", fraData_);
    cmbTV_->hide();
    cmbLevel_ = make<QComboBox>(lang_, "cmbLevel");
    addField("lblLevel", cmbLevel_);
    txtPoint_ = make<QLineEdit>(lang_, "txtPoint");
    addField("lblPoint", txtPoint_);
    fields->addWidget(make<QLabel>(lang_, "lblPointNote"), row++, 1);
    lblDagn_ = make<QLabel>(lang_, "lblDagn");
    cmbDagn_ = make<QComboBox>(lang_, "cmbDagn");
    fields->addWidget(lblDagn_, row, 0);
    fields->addWidget(cmbDagn_, row++, 1);
    auto* fraAmp = make<QGroupBox>(lang_, "fraAmp");
    auto* ampRow = new QHBoxLayout(fraAmp);
    for (int i = 0; i < 2; ++i) {
        optAmp_[i] = make<QRadioButton>(lang_, i == 0 ? "optAmp(0)" : "optAmp(1)");
        ampRow->addWidget(optAmp_[i]);
    }
    optAmp_[0]->setChecked(true);
    fields->addWidget(fraAmp, row++, 0, 1, 2);
    right->addWidget(fraData_);

    fraPRek_ = panel("fraPRek");
    auto* prek = new QHBoxLayout(fraPRek_);
    prek->addWidget(make<QLabel>(lang_, "lblPRek"));
    cmbPRek_ = make<QComboBox>(lang_, "cmbPRek");
    cmbPrekR_ = make<QComboBox>(lang_, "cmbPrekR", fraPRek_);
    cmbPrekR_->hide();
    prek->addWidget(cmbPRek_, 1);
    fraPRek_->hide();
    right->addWidget(fraPRek_);

    fraDisp_ = panel("fraDisp");
    auto* disp = new QVBoxLayout(fraDisp_);
    disp->addWidget(make<QLabel>(lang_, "lblDisp"));
    for (const char* n : {"optDisp(0)", "optDisp(1)", "optDisp(2)", "optDisp(3)"})
        disp->addWidget(make<QRadioButton>(lang_, n));
    disp->addWidget(make<QPushButton>(lang_, "cmdSluit"));
    fraDisp_->hide();
    right->addWidget(fraDisp_);
    right->addStretch(1);
    layout->addLayout(right, 1);
    return tab;
}

QWidget* MainWindow::buildRecordsTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    auto* fraStel = make<QGroupBox>(lang_, "fraStel");
    auto* stel = new QVBoxLayout(fraStel);
    rekords_.setHeader({"Naam", "Simb", "Verw", "Aktief", "Rekord"});
    rekords_.setColHidden(4, true);
    rekordsModel_ = new GridTableModel(rekords_, this);
    flxRekords_ = gridView("flxRekords", rekordsModel_);
    flxRekords_->setColumnWidth(0, 240);
    stel->addWidget(flxRekords_);
    layout->addWidget(fraStel, 1);
    return tab;
}

QWidget* MainWindow::buildExchangeTab()
{
    auto* tab = new QWidget;
    auto* layout = new QGridLayout(tab);
    dirRug_ = make<QLineEdit>(lang_, "dirRug");
    dirRug_->setReadOnly(true);
    filRug_ = make<QListWidget>(lang_, "filRug");
    layout->addWidget(dirRug_, 0, 0, 1, 2);
    layout->addWidget(filRug_, 1, 0, 1, 2);
    layout->addWidget(make<QLabel>(lang_, "lblIRek"), 2, 0);
    cmbIRek_ = make<QComboBox>(lang_, "cmbIRek");
    cmbIRekR_ = make<QComboBox>(lang_, "cmbIRekR", tab);
    cmbIRekR_->hide();
    layout->addWidget(cmbIRek_, 2, 1);
    // The hidden list of set references follows the visible list of set names.
    connect(cmbIRek_, &QComboBox::currentIndexChanged, this, [this](int i) { cmbIRekR_->setCurrentIndex(i); });
    layout->setRowStretch(1, 1);
    return tab;
}

QWidget* MainWindow::buildPrintTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    auto* what = new QHBoxLayout;
    static const char* const dprNames[] = {"optDPR(0)", "optDPR(1)", "optDPR(2)"};
    static const char* const dprEn[] = {"Program", "Records", "Analyze"};
    static const char* const dprAf[] = {"Program", "Rekords", "Analise"};
    for (int i = 0; i < 3; ++i) {
        optDPR_[i] = make<QRadioButton>(lang_, dprNames[i]);
        optDPR_[i]->setText(isEnglish(lang_) ? dprEn[i] : dprAf[i]);
        what->addWidget(optDPR_[i]);
    }
    what->addStretch(1);
    layout->addLayout(what);

    fraPAction_ = panel("fraPAction");
    auto* paction = new QGridLayout(fraPAction_);
    auto* fraPOrde = make<QGroupBox>(lang_, "fraPOrde");
    auto* porde = new QVBoxLayout(fraPOrde);
    for (const char* n : {"optDisp1(0)", "optDisp1(1)", "optDisp1(2)", "optDisp1(3)"})
        porde->addWidget(make<QRadioButton>(lang_, n));
    paction->addWidget(fraPOrde, 0, 0, 3, 1);
    paction->addWidget(make<QLabel>(lang_, "lblFont"), 0, 1);
    cmbFont_ = make<QComboBox>(lang_, "cmbFont");
    paction->addWidget(cmbFont_, 0, 2);
    fraDae_ = make<QGroupBox>(lang_, "fraDae");
    auto* dae = new QHBoxLayout(fraDae_);
    lblDDag_ = make<QLabel>(lang_, "lblDDag");
    cmbDDae_ = make<QComboBox>(lang_, "cmbDDae");
    dae->addWidget(lblDDag_);
    dae->addWidget(cmbDDae_);
    paction->addWidget(fraDae_, 1, 1, 1, 2);
    layout->addWidget(fraPAction_);

    fraRAction_ = panel("fraRAction");
    layout->addWidget(fraRAction_);
    fraAnal_ = panel("fraAnal");
    fraAnal_->hide();
    layout->addWidget(fraAnal_);
    layout->addStretch(1);
    return tab;
}

QWidget* MainWindow::buildAnalysisTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addStretch(1);
    return tab;
}

} // namespace dravik
