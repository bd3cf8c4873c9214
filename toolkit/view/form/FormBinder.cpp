#include "toolkit/view/form/FormBinder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QTextEdit>
#include <QTimer>

#include <exception>
#include <limits>
#include <new>
#include <optional>
#include <stdexcept>

#include "toolkit/view/form/MenuKey.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/widgets/Announcer.h"
#include "toolkit/view/widgets/MessageBox.h"
#include "toolkit/view/text/OneLineValidator.h"
#include "toolkit/view/text/QtText.h"
#include "toolkit/view/widgets/UpDownWidget.h"

namespace {

// Why a handler failed, in the learner's words.
QString FailureText(std::exception_ptr failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::bad_alloc&) {
    return QString::fromUtf8("Es ist nicht genug Arbeitsspeicher frei.");
  } catch (const std::length_error&) {
    return QString::fromUtf8("Der Text ist zu lang.");
  } catch (const std::exception& e) {
    return QString::fromUtf8("interner Fehler (%1).").arg(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    return QString::fromUtf8("unbekannter Fehler.");
  }
}

}  // namespace

FormBinder::FormBinder(QWidget* window) : QObject(window), window_(window) {
  InstallShiftF10AsMenuKey();
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

void FormBinder::BindEdit(Edit& model, QLineEdit* widget) {
  // The validator cuts a paste to the field's length and says so; a widget
  // limit would cut it first, silently.
  widget->setMaxLength(std::numeric_limits<int>::max());
  widget->setValidator(new OneLineValidator(static_cast<int>(kMaxFieldLength), widget));
  edits_.push_back({&model, widget, ~std::uint64_t{0}});
  const std::size_t index = edits_.size() - 1;
  // Typing, a paste and an assistive tool setting the text (which changes the
  // field without "editing" it) all reach the model. A read-only field takes
  // nothing from outside: what an assistive tool wrote there goes back.
  connect(widget, &QLineEdit::textChanged, this, [this, index](const QString& text) {
    EditBinding& binding = edits_[index];
    const auto bytes = FromQString(text);
    if (bytes && *bytes == binding.model->Text()) return;  // the binder's own write
    if (binding.model->ReadOnly || !bytes) {
      binding.synced = ~std::uint64_t{0};
      QTimer::singleShot(0, this, [this] { WhenIdle([this] { Sync(); }); });
      return;
    }
    binding.model->SetText(*bytes);
    binding.synced = binding.model->Revision();  // the widget shows it already
  });
  BindFocus(model, widget);
}

void FormBinder::BindButton(Button& model, QAbstractButton* widget, Handler onClick) {
  buttons_.push_back({&model, widget});
  connect(widget, &QAbstractButton::clicked, this, [this, &model, onClick] {
    if (model.Enabled && onClick) Run(onClick);
  });
  BindFocus(model, widget);
}

void FormBinder::BindSpeedButton(SpeedButton& model, QAbstractButton* widget, Handler onClick) {
  buttons_.push_back({&model, widget});
  connect(widget, &QAbstractButton::clicked, this, [this, &model, widget, onClick](bool checked) {
    if (!model.Enabled || busy_) {
      widget->setChecked(model.Down);  // the click changes nothing
      return;
    }
    model.Down = checked;
    Run(onClick);
  });
  syncs_.push_back([&model, widget] {
    if (widget->isChecked() != model.Down) widget->setChecked(model.Down);
  });
  BindFocus(model, widget);
}

void FormBinder::BindUpDown(UpDown& model, UpDownWidget* widget, Handler onClick) {
  connect(widget, &UpDownWidget::ArrowClicked, this, [this, &model, onClick](bool up) {
    if (busy_) return;
    if (up ? model.ClickUp() : model.ClickDown()) Run(onClick);
  });
  connect(widget, &UpDownWidget::PositionWanted, this, [this, &model, onClick](int wanted) {
    if (busy_) return;
    Run([&model, &onClick, wanted] { ClickTowards(model, onClick, wanted); });
  });
  syncs_.push_back([this, &model, widget] {
    widget->ShowPosition(model.Min, model.Max, model.Position, model.Wrap);
    if (widget->isVisibleTo(window_) != model.Visible) widget->setVisible(model.Visible);
  });
  BindFocus(model, widget);
}

void FormBinder::ClickTowards(UpDown& model, const Handler& onClick, int wanted) {
  // A click whose handler takes the spinner elsewhere shows that the wanted
  // position cannot be reached: with 26 letters a click up from 26 gives 27,
  // which the handler turns into 1. The spinner then clicks back to where it
  // stood before that click, the nearest place it keeps, and stays there. So
  // never more clicks than twice the range is wide.
  int target = wanted;
  bool turnedBack = false;
  for (int clicks = 2 * (model.Max - model.Min); clicks > 0 && model.Position != target; --clicks) {
    const int before = model.Position;
    const bool up = target > before;
    if (!(up ? model.ClickUp() : model.ClickDown())) break;
    if (onClick) onClick();
    if (model.Position == before + (up ? 1 : -1)) continue;
    if (turnedBack) break;
    turnedBack = true;
    target = before;
  }
}

void FormBinder::BindRadioGroup(RadioGroup& model, QButtonGroup* group, QWidget* box,
                                Handler onClick) {
  connect(group, &QButtonGroup::idToggled, this, [this, &model, onClick](int id, bool checked) {
    if (!checked || id == model.ItemIndex || busy_) return;
    model.ItemIndex = id;
    Run(onClick);
  });
  // The group is one stop for the Tab key: only its checked button takes the
  // focus from the keyboard; the arrow keys move within the group.
  syncs_.push_back([&model, group] {
    if (QAbstractButton* button = group->button(model.ItemIndex); button && !button->isChecked())
      button->setChecked(true);
    for (QAbstractButton* button : group->buttons())
      button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  });
  for (QAbstractButton* button : group->buttons()) BindFocus(model, button);
  BindFocus(model, box);
}

void FormBinder::BindGrid(StringGrid& model, GridWidget* widget) {
  syncs_.push_back([widget] { widget->Sync(); });
  BindFocus(model, widget);
}

void FormBinder::BindRichEdit(RichEdit& model, QTextEdit* widget) {
  syncs_.push_back([&model, widget, shown = std::string()]() mutable {
    if (shown == model.Text) return;
    shown = model.Text;
    widget->setPlainText(ToQString(shown));
  });
  BindFocus(model, widget);
}

void FormBinder::BindAnnouncement(const Announcement& model) {
  // Said from the window that owns this one, the main window: a screen reader
  // names the dialog a notification stands in before every notification.
  QWidget* owner = window_;
  while (owner->parentWidget()) owner = owner->parentWidget()->window();
  auto* announcer = new Announcer(owner);
  syncs_.push_back([&model, announcer, said = model.Revision()]() mutable {
    if (said == model.Revision()) return;
    said = model.Revision();
    announcer->Say(ToQString(model.Text()));
  });
}

void FormBinder::BindFocus(Control& model, QWidget* widget) { focus_.push_back({&model, widget}); }

void FormBinder::AddSync(std::function<void()> sync) { syncs_.push_back(std::move(sync)); }

void FormBinder::TrackFocus(std::function<Control*()> active,
                            std::function<void(Control&)> setFocus) {
  activeControl_ = std::move(active);
  setFocus_ = std::move(setFocus);
}

void FormBinder::Run(const Handler& handler) {
  if (busy_) return;
  busy_ = true;
  // A handler that fails (no memory left for a huge text, say) ends there:
  // the widgets show the model as the handler left it, a box says that the
  // operation was broken off, and the window goes on taking input.
  std::optional<QString> failure;
  try {
    handler();
  } catch (...) {
    failure = FailureText(std::current_exception());
  }
  try {
    Sync();
  } catch (...) {
    if (!failure) failure = FailureText(std::current_exception());
  }
  if (failure)
    ShowMessageBox(MessageKind::Error,
                   QString::fromUtf8("Der Vorgang wurde abgebrochen: ") + *failure,
                   MessageButtons::Ok, window_);
  busy_ = false;
  auto pending = std::move(whenIdle_);
  whenIdle_.clear();
  for (auto& work : pending) work();
}

void FormBinder::WhenIdle(Handler work) {
  if (busy_)
    whenIdle_.push_back(std::move(work));
  else
    work();
}

void FormBinder::Sync() {
  const bool wasBusy = busy_;
  busy_ = true;  // focus moves made here are the model's own, not the user's
  for (EditBinding& binding : edits_) {
    if (binding.synced != binding.model->Revision()) {
      binding.widget->setText(ToQString(binding.model->Text()));
      binding.synced = binding.model->Revision();
    }
    if (binding.widget->isReadOnly() != binding.model->ReadOnly)
      binding.widget->setReadOnly(binding.model->ReadOnly);
    if (binding.widget->isVisibleTo(window_) != binding.model->Visible)
      binding.widget->setVisible(binding.model->Visible);
  }
  for (const ButtonBinding& binding : buttons_)
    if (binding.widget->isEnabled() != binding.model->Enabled)
      binding.widget->setEnabled(binding.model->Enabled);
  for (const auto& sync : syncs_) sync();
  if (activeControl_) {
    // The window's focus widget, even while another window is active: a grid's
    // editor or an option button counts as its control.
    Control* active = activeControl_();
    if (active && ControlOf(window_->focusWidget()) != active)
      if (QWidget* widget = WidgetOf(active)) widget->setFocus(Qt::OtherFocusReason);
  }
  busy_ = wasBusy;
}

Control* FormBinder::ControlOf(QWidget* widget) const {
  for (; widget; widget = widget->parentWidget()) {
    for (const FocusBinding& binding : focus_)
      if (binding.widget == widget) return binding.model;
    if (widget == window_) break;
  }
  return nullptr;
}

QWidget* FormBinder::WidgetOf(const Control* control) const {
  for (const FocusBinding& binding : focus_)
    if (binding.model == control) return binding.widget;
  return nullptr;
}

void FormBinder::OnFocusChanged(QWidget* now) {
  if (!setFocus_ || busy_ || !now) return;
  // An open grid editor or a radio button stands for its control.
  if (Control* control = ControlOf(now); control && control != activeControl_())
    Run([this, control] { setFocus_(*control); });
}
