#include "VariableSearch.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "EditorLauncher.h"
#include "FamilyActions.h"
#include "FamilyBar.h"
#include "FileModel.h"
#include "FileVersion.h"
#include "FreeNameModel.h"
#include "LineModel.h"
#include "NoticeTableView.h"
#include "ProgressRelay.h"
#include "SafeApplication.h"
#include "SettingsStore.h"
#include "StatusPanels.h"
#include "SummaryModel.h"
#include "WebPage.h"

// The pages live in the static library's resources, which need registering once.
static void InitPages() {
  Q_INIT_RESOURCE(pages);
}

namespace qorvan::ui {

namespace {

// Entries of the main menu: caption and address; "|" marks a disabled separator.
struct MenuEntry {
  const char* Caption;
  const char* Address;
};

constexpr MenuEntry kMenuEntries[] = {
    {"官方网站", "https://qorvan.example.com/"},         {"|", ""},
    {"使用教程", "https://qorvan.example.com/docs"},     {"|", ""},
    {"下载更新", "https://qorvan.example.com/download"},
};

}  // namespace

FormServices FormServices::System() {
  FormServices services;
  services.Store = std::shared_ptr<qorvan::SettingsStore>(qorvan::MakeDefaultSettingsStore());
  services.Editor = MakeSystemEditorLauncher(services.Store);
  services.MessageBox = [](QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Qorvan变量查询"), text);
  };
  services.OpenUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
  services.ChooseFolder = [](QWidget* parent, const QString& prompt, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, prompt, start);
  };
  services.SetClipboard = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };
  return services;
}

QString TForm1::ProductSite() {
  return QStringLiteral("https://qorvan.example.com");
}

TForm1::TForm1(FormServices services, QWidget* parent)
    : QMainWindow(parent),
      services_(std::move(services)),
      dataModule_(std::make_unique<qorvan::TDataModule1>()) {
  InitPages();
  setObjectName(QStringLiteral("Form1"));
  QFont font;
  font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans CJK SC")});
  font.setPointSize(8);
  setFont(font);

  buildActions();
  buildMenu();
  PageControl1 = new QTabWidget(this);
  auto* tab1 = new QWidget(PageControl1);
  buildQueryTab(tab1);
  PageControl1->addTab(tab1, QStringLiteral("变量查询"));
  WebBrowser1 = new WebPage(QUrl(QStringLiteral("qrc:/pages/variables.html")), services_.OpenUrl);
  WebBrowser2 = new WebPage(QUrl(QStringLiteral("qrc:/pages/changelog.html")), services_.OpenUrl);
  PageControl1->addTab(WebBrowser1, QStringLiteral("变量说明"));
  PageControl1->addTab(WebBrowser2, QStringLiteral("更新日志"));
  PageControl1->setCurrentIndex(0);
  setCentralWidget(PageControl1);
  StatusBar1 = new StatusPanels(this);
  setStatusBar(StatusBar1);
  connectHandlers();

  // The client area is 1142 by 766 below the menu, centred on the desktop.
  resize(1142, 766 + menuBar()->sizeHint().height());
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

TForm1::~TForm1() {
  if (stop_) stop_->store(true);
}

void TForm1::buildActions() {
  for (const FamilyActionDef& def : FamilyActionList()) {
    auto* a = new QAction(QString::fromUtf8(def.Caption.data(), def.Caption.size()), this);
    a->setObjectName(QString::fromLatin1(def.Name.data(), def.Name.size()));
    a->setToolTip(QString::fromUtf8(def.Hint.data(), def.Hint.size()));
    a->setData(def.Tag);
    actionList1_.push_back(a);
  }
  Search1 = new QAction(QStringLiteral("显示全部"), this);
  Search1->setObjectName(QStringLiteral("Search1"));
  Search1->setData(ShowAllTag);
  Search2 = new QAction(QStringLiteral("过滤结果"), this);
  Search2->setObjectName(QStringLiteral("Search2"));
  Search2->setData(FilterTag);
}

QAction* TForm1::action(const QString& name) const {
  for (QAction* a : actionList1_)
    if (a->objectName() == name) return a;
  if (name == Search1->objectName()) return Search1;
  if (name == Search2->objectName()) return Search2;
  return nullptr;
}

void TForm1::buildMenu() {
  for (const MenuEntry& entry : kMenuEntries) {
    QAction* item = menuBar()->addAction(QString::fromUtf8(entry.Caption));
    const QUrl address(QString::fromUtf8(entry.Address));
    if (address.isEmpty()) {
      item->setEnabled(false);
      continue;
    }
    connect(item, &QAction::triggered, this,
            [this, address] { Guarded([&] { services_.OpenUrl(address); }); });
  }
}

QWidget* TForm1::buildSettingsBox() {
  GroupBox1 = new QGroupBox(QStringLiteral("基本设置"));
  auto* rows = new QVBoxLayout(GroupBox1);
  rows->setContentsMargins(6, 2, 6, 4);
  rows->setSpacing(3);

  auto* query = new QHBoxLayout;
  Label1 = new QLabel(QStringLiteral("版本搜索路径："));
  JvDirectoryEdit1 = new DirectoryBox;
  JvDirectoryEdit1->setFixedWidth(778);
  if (services_.ChooseFolder) JvDirectoryEdit1->setFolderChooser(services_.ChooseFolder);
  Button1 = new QPushButton(QStringLiteral("查询"));
  CheckBox1 = new QCheckBox(QStringLiteral("忽略注释符"));
  CheckBox1->setChecked(true);
  CheckBox1->setToolTip(QStringLiteral("首字符为 ;"));
  CheckBox2 = new QCheckBox(QStringLiteral("显示搜索进度"));
  CheckBox2->setToolTip(QStringLiteral("首字符为 ;"));
  CheckBox2->setVisible(false);  // progress is always shown now; the switch stays for scripts
  query->addWidget(Label1);
  query->addWidget(JvDirectoryEdit1);
  query->addWidget(Button1);
  query->addWidget(CheckBox1);
  query->addWidget(CheckBox2);
  query->addStretch(1);
  rows->addLayout(query);

  auto* filter = new QHBoxLayout;
  Label2 = new QLabel(QStringLiteral("自定义关键词："));
  Edit1 = new QLineEdit;
  Edit1->setPlaceholderText(QStringLiteral("搜索指定关键词，例如G11 多个关键词使用空格分割"));
  Edit1->setFixedWidth(400);
  Button2 = new QPushButton(QStringLiteral("清空"));
  FilterButton = new QToolButton;
  FilterButton->setDefaultAction(Search2);
  filter->addWidget(Label2);
  filter->addWidget(Edit1);
  filter->addWidget(Button2);
  filter->addWidget(FilterButton);
  filter->addStretch(1);
  rows->addLayout(filter);
  return GroupBox1;
}

void TForm1::buildQueryTab(QWidget* tab) {
  auto* layout = new QVBoxLayout(tab);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(buildSettingsBox());
  RzPanel1 = new FamilyBar;
  for (std::string_view name : FamilyBarOrder())
    RzPanel1->addActionButton(action(QString::fromLatin1(name.data(), name.size())));
  layout->addWidget(RzPanel1);
  buildGrids(tab, layout);
}

void TForm1::buildGrids(QWidget* tab, QLayout* layout) {
  ShowModel = new FreeNameModel(this);
  SummaryModel1 = new SummaryModel(this);
  FileModel2 = new FileModel(this);
  LineModel3 = new LineModel(this);

  auto* area = new QHBoxLayout;
  area->setSpacing(2);
  DBGridEh0 = new NoticeTableView(tab);
  DBGridEh0->setObjectName(QStringLiteral("DBGridEh0"));
  DBGridEh0->setColumnModel(ShowModel);
  DBGridEh0->setSelectionMode(QAbstractItemView::ExtendedSelection);
  DBGridEh0->setNotice(QStringLiteral("无可用变量  "));
  DBGridEh0->setFixedWidth(185);
  // No record numbers here: the 150-pixel name column fills what the fixed width leaves.
  DBGridEh0->verticalHeader()->hide();
  area->addWidget(DBGridEh0);

  // The summary's detail panel holds the file grid, whose own detail panel holds the lines.
  auto* details = new QSplitter(Qt::Vertical, tab);
  DBGridEh1 = new NoticeTableView(details);
  DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
  DBGridEh1->setColumnModel(SummaryModel1);
  DBGridEh2 = new NoticeTableView(details);
  DBGridEh2->setObjectName(QStringLiteral("DBGridEh2"));
  DBGridEh2->setColumnModel(FileModel2);
  DBGridEh3 = new NoticeTableView(details);
  DBGridEh3->setObjectName(QStringLiteral("DBGridEh3"));
  DBGridEh3->setColumnModel(LineModel3);
  for (NoticeTableView* grid : {DBGridEh1, DBGridEh2, DBGridEh3}) {
    grid->setFitColumns(true);
    details->addWidget(grid);
  }
  DBGridEh2->setEnabled(false);
  DBGridEh3->setEnabled(false);
  details->setSizes({300, 200, 200});
  area->addWidget(details, 1);
  static_cast<QVBoxLayout*>(layout)->addLayout(area, 1);
}

void TForm1::connectHandlers() {
  for (QAction* a : actionList1_) {
    const bool setAll = a->data().toInt() == SetAllTag;
    connect(a, &QAction::triggered, this,
            [this, a, setAll] { Guarded([&] { setAll ? SetAllExecute() : ClickExecute(a); }); });
  }
  connect(Search1, &QAction::triggered, this, [this] { Guarded([this] { Search1Execute(); }); });
  connect(Search2, &QAction::triggered, this, [this] { Guarded([this] { Search2Execute(); }); });
  connect(Button1, &QPushButton::clicked, this, [this] { Guarded([this] { Button1Click(); }); });
  connect(Button2, &QPushButton::clicked, this, [this] { Guarded([this] { Button2Click(); }); });
  connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) { Settings.Filtered = on; });
  connect(CheckBox2, &QCheckBox::toggled, this, [this](bool on) { Settings.ShowSearched = on; });
  connect(Edit1, &QLineEdit::textChanged, this,
          [this](const QString& text) { Guarded([&] { Edit1Change(text); }); });
  connect(PageControl1, &QTabWidget::currentChanged, this,
          [this](int index) { Guarded([&] { PageControl1Change(index); }); });
  connect(DBGridEh1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this] { Guarded([this] { DBGridEh1RowDetailPanelShow(); }); });
  connect(DBGridEh2->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this] { Guarded([this] { DBGridEh2RowDetailPanelShow(); }); });
  connect(DBGridEh1, &QAbstractItemView::doubleClicked, this,
          [this] { Guarded([this] { DBGridEh1DblClick(); }); });
  connect(DBGridEh2, &QAbstractItemView::doubleClicked, this,
          [this] { Guarded([this] { DBGridEh2DblClick(); }); });
  connect(DBGridEh3, &QAbstractItemView::doubleClicked, this,
          [this] { Guarded([this] { DBGridEh3DblClick(); }); });
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  Guarded([this] { FormShow(); });
}

void TForm1::FormShow() {
  Settings.Filtered = true;
  const QString version = GetFileVersionText(QCoreApplication::applicationFilePath());
  setWindowTitle(QStringLiteral("Qorvan变量查询V") + version + QStringLiteral("  VESPER引擎专用") +
                 QStringLiteral("   ") + ProductSite());
  if (services_.Store) Settings.LoadPath = qorvan::LoadSettings(*services_.Store);
  JvDirectoryEdit1->setText(QString::fromStdU16String(Settings.LoadPath));
}

void TForm1::closeEvent(QCloseEvent* event) {
  // Closing is never refused: a running search is told to stop, and nobody waits for it.
  Guarded([this] {
    if (stop_) stop_->store(true);
    dataModule_->CloseFreeQuery();
  });
  event->accept();
}

}  // namespace qorvan::ui
