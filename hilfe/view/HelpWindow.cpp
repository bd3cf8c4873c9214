#include "hilfe/view/HelpWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "toolkit/model/Zoom.h"
#include "toolkit/view/text/QtText.h"
#include "toolkit/view/widgets/Fonts.h"
#include "toolkit/view/widgets/Zoom.h"

namespace {

constexpr int kWidth = 680;   // at 100 %
constexpr int kHeight = 560;
constexpr int kTextPixels = 13;  // the help reads in a larger face than the windows
constexpr int kFindWidth = 260;
constexpr int kStatusWidth = 100;

QString StartPage() {
  return U("<h1>Chiffrarium – Hilfe</h1>"
           "<p>Chiffrarium zeigt, wie die Cäsar-Verschiebung verschlüsselt und wie man einen "
           "Geheimtext ohne Schlüssel knackt. Im Hauptfenster wird ein Klartext Zeichen für "
           "Zeichen über eine zweizeilige Tabelle verschlüsselt und wieder entschlüsselt; die "
           "Häufigkeitsanalyse und die brachiale Analyse suchen den Schlüssel.</p>"
           "<h2>Die Fenster</h2><ul>"
           "<li><a href=\"page:Form1\">Das Hauptfenster</a></li>"
           "<li><a href=\"page:Form2\">Kryptoanalyse -- Einzelzeichen</a></li>"
           "<li><a href=\"page:Form3\">Brachiale Kryptoanalyse (Brute Force)</a></li>"
           "<li><a href=\"page:tasten\">Alle Tastenkürzel</a></li></ul>"
           "<h2>Das Verfahren</h2><ul>"
           "<li><a href=\"page:caesar\">Die Cäsar-Verschiebung und die vier Alphabete</a></li>"
           "<li><a href=\"page:haeufigkeit\">Wie die Häufigkeitsanalyse eine Verschiebung "
           "bewertet</a></li>"
           "<li><a href=\"page:brachial\">Wie die brachiale Analyse die Wörter zählt</a></li>"
           "<li><a href=\"page:kurz\">Warum kurze Texte täuschen</a></li></ul>"
           "<p>F1 öffnet die Hilfe zum Steuerelement, auf dem der Fokus steht. Strg+F sucht in "
           "allen Seiten, F3 sucht weiter. Strg+Plus und Strg+Minus vergrößern und verkleinern "
           "alle Fenster, Strg+0 stellt die Originalgröße wieder her.</p>");
}

}  // namespace

HelpWindow::HelpWindow(std::function<std::vector<HelpPage>()> methodPages,
                       std::vector<WindowHelp> windows)
    : QWidget(nullptr, Qt::Window),
      methodPages_(std::move(methodPages)),
      windows_(std::move(windows)) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(U("Chiffrarium – Hilfe"));
  setAccessibleName(windowTitle());

  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  auto* findLabel = new QLabel(U("&Suchen:"), this);
  find_ = new QLineEdit(this);
  find_->setObjectName(QStringLiteral("HelpFind"));
  find_->setAccessibleName(U("Suchen"));
  find_->setAccessibleDescription(U("Text, der in allen Seiten der Hilfe gesucht wird"));
  findLabel->setBuddy(find_);
  auto* next = new QPushButton(U("&Weitersuchen"), this);
  next->setObjectName(QStringLiteral("HelpFindNext"));
  next->setAccessibleDescription(U("sucht die nächste Stelle, auch in den anderen Seiten (F3)"));
  findStatus_ = new QLabel(this);
  findStatus_->setObjectName(QStringLiteral("HelpFindStatus"));
  // An empty label asks for odd widths of its own; it gets the room of its word.
  findStatus_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  bar->addWidget(findLabel);
  bar->addWidget(find_, 1);
  bar->addWidget(next);
  bar->addWidget(findStatus_);
  text_ = new QTextBrowser(this);
  text_->setObjectName(QStringLiteral("HelpText"));
  text_->setAccessibleName(U("Hilfetext"));
  text_->setOpenLinks(false);
  layout->addLayout(bar);
  layout->addWidget(text_, 1);
  setTabOrder(find_, next);
  setTabOrder(next, text_);

  connect(find_, &QLineEdit::returnPressed, this, &HelpWindow::FindNext);
  connect(next, &QPushButton::clicked, this, &HelpWindow::FindNext);
  connect(text_, &QTextBrowser::anchorClicked, this, &HelpWindow::Follow);
  auto* findKey = new QAction(this);
  findKey->setShortcut(QKeySequence::Find);
  connect(findKey, &QAction::triggered, this, [this] {
    find_->setFocus(Qt::ShortcutFocusReason);
    find_->selectAll();
  });
  addAction(findKey);
  auto* findAgain = new QAction(this);
  findAgain->setShortcut(QKeySequence::FindNext);
  connect(findAgain, &QAction::triggered, this, &HelpWindow::FindNext);
  addAction(findAgain);

  InstallZoomKeys(this);
  ApplyZoom(ViewZoom::Get().Percent());
  connect(&ViewZoom::Get(), &ViewZoom::Changed, this, &HelpWindow::ApplyZoom);
  resize(ZoomLength(kWidth, zoom_), ZoomLength(kHeight, zoom_));
}

void HelpWindow::ApplyZoom(int percent) {
  const int was = zoom_;
  zoom_ = percent;
  setFont(DefaultWindowFont(percent));
  text_->setFont(MakeFont(kSansSerif, kTextPixels, false, false, 100, percent));
  find_->setMinimumWidth(ZoomLength(kFindWidth, percent));
  findStatus_->setMinimumWidth(ZoomLength(kStatusWidth, percent));
  // The window keeps its size relative to the view.
  if (was != percent && isVisible())
    resize(size() * percent / was);
}

void HelpWindow::MakePages() {
  pages_.clear();
  pages_.push_back({QStringLiteral("start"), U("Start"), StartPage()});
  for (const WindowHelp& window : windows_)
    pages_.push_back({window.Id, window.Title, ControlPageHtml(window)});
  pages_.push_back({QStringLiteral("tasten"), U("Tastenkürzel"), KeysPageHtml(windows_)});
  for (const HelpPage& page : methodPages_())
    pages_.push_back({QString::fromLatin1(page.Id.c_str()), ToQString(page.Title),
                      QStringLiteral("<h1>%1</h1>").arg(ToQString(page.Title).toHtmlEscaped()) +
                          ToQString(page.Html)});
}

QString HelpWindow::Navigation() const {
  QStringList links;
  for (const Page& page : pages_)
    links << QStringLiteral("<a href=\"page:%1\">%2</a>").arg(page.Id, page.Title.toHtmlEscaped());
  return QStringLiteral("<p><small>") + links.join(QStringLiteral(" · ")) +
         QStringLiteral("</small></p><hr>");
}

void HelpWindow::Open(const QString& page, const QString& anchor) {
  // The examples are worked out on the texts the main window holds now.
  if (!isVisible() || pages_.empty()) MakePages();
  int index = 0;
  for (std::size_t i = 0; i < pages_.size(); ++i)
    if (pages_[i].Id == page) index = static_cast<int>(i);
  Show(index, anchor);
  show();
  raise();
  activateWindow();
}

void HelpWindow::OpenEntry(const QString& window, const QString& control) {
  Open(window, control.isEmpty() ? QString() : EntryAnchor(window, control));
}

void HelpWindow::Show(int page, const QString& anchor) {
  current_ = page;
  // A window's page opened for one control marks that control's entry.
  QString html = pages_[page].Html;
  for (const WindowHelp& window : windows_)
    if (window.Id == pages_[page].Id && !anchor.isEmpty()) html = ControlPageHtml(window, anchor);
  text_->setHtml(Navigation() + html);
  text_->setAccessibleDescription(U("Seite: ") + pages_[page].Title);
  if (!anchor.isEmpty()) text_->scrollToAnchor(anchor);
  else text_->moveCursor(QTextCursor::Start);
}

void HelpWindow::Follow(const QUrl& link) {
  if (link.scheme() == QLatin1String("page")) {
    for (std::size_t i = 0; i < pages_.size(); ++i)
      if (pages_[i].Id == link.path()) Show(static_cast<int>(i), link.fragment());
  } else if (!link.fragment().isEmpty()) {
    text_->scrollToAnchor(link.fragment());
  }
}

void HelpWindow::FindNext() {
  const QString wanted = find_->text();
  if (wanted.isEmpty()) return;
  findStatus_->clear();
  if (text_->find(wanted)) return;
  // On through the other pages, from their starts, round to this one.
  const int pages = static_cast<int>(pages_.size());
  for (int k = 1; k <= pages; ++k) {
    Show((current_ + 1) % pages, {});
    if (text_->find(wanted)) return;
  }
  findStatus_->setText(U("nicht gefunden"));
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

QString HelpWindow::CurrentPage() const {
  return pages_.empty() ? QString() : pages_[current_].Id;
}

QString HelpWindow::CurrentText() const { return text_->toPlainText(); }
