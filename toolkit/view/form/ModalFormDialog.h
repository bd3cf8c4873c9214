#pragma once
// The view of a ModalFrame: a resizable modal dialog whose window model keeps
// its outer size and modal result in a ModalFrame and has a FormShow, a
// FormResize and a close button ("Beenden"). The dialog makes its controls
// from the window's control table and keeps them at their anchored places,
// starts every showing as the first (the first tab stop focused, the tables
// scrolled to their start), lets the model snap a too small size back,
// centres itself on its owner at every showing, lets the close box stand for
// the close button and Escape for nothing, and ends its modal loop once a
// handler has set the modal result. It decides nothing about the window's
// content. The model's FormCreate is the program's to run, at start-up,
// whether the dialog is made then or later.

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class ControlTable;
class FormBinder;
class QAction;
class ModalFrame;
struct ControlRow;

class ModalFormDialog : public QDialog {
  Q_OBJECT

 public:
  // What the model's outer size adds to the client area: the border and the
  // title bar of the frame the layouts were drawn in.
  static constexpr int kFrameWidth = 8;
  static constexpr int kFrameHeight = 34;

  // The handlers of the window model that the frame raises.
  struct Handlers {
    std::function<void()> FormShow;
    std::function<void()> FormResize;
    std::function<void()> CloseButton;  // the handler the close box stands for
  };
  // Those of a window model whose frame events carry their usual names.
  template <class Form>
  static Handlers HandlersOf(Form& form, void (Form::*closeButton)()) {
    return {[&form] { form.FormShow(); }, [&form] { form.FormResize(); },
            [&form, closeButton] { (form.*closeButton)(); }};
  }

  // A window's "Beenden": the row of its close button, which this completes
  // with the caption, the glyph and the anchors every such button has.
  static ControlRow CloseButton(ControlRow row);

  // The window's name (its object name) and caption, and its control table,
  // laid out for the client area of the frame's smallest size. The first tab
  // stop has the focus when the window opens.
  ModalFormDialog(ModalFrame& frame, Handlers handlers, const char* name, const char* caption,
                  std::vector<ControlRow> controls, QWidget* owner);
  ~ModalFormDialog() override;

  // Everything a showing does before its modal loop: a fresh modal result,
  // FormShow, the widgets brought up to date, the focus on the first tab
  // stop, the tables at their start, centred on the owner.
  void PrepareShowing();
  // PrepareShowing(), then the modal loop until the model sets its result.
  int ShowModal();

  void Sync();
  FormBinder& Binder() { return *binder_; }
  // "Drucken …" (Strg+P), for the window's context menus.
  QAction* PrintAction() const { return print_; }

 Q_SIGNALS:
  // F1: the help, open at the entry of the focused control (its name).
  void HelpWanted(const QString& control);
  // Strg+P or "Drucken …": the window on paper.
  void PrintWanted();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 public Q_SLOTS:
  // Escape ends no showing.
  void reject() override {}

 private:
  void CentreOnOwner();
  void RunFormResize();
  void EndWhenModalResultSet();
  // Every control and the window's size at a zoom step.
  void ApplyZoom(int percent);
  QSize Zoomed(QSize client) const;

  ModalFrame& frame_;
  Handlers handlers_;
  QWidget* owner_;
  FormBinder* binder_;
  std::unique_ptr<ControlTable> controls_;
  QAction* print_ = nullptr;
  int zoom_ = 100;
};
