#include "platform/ui/dialog_window.h"

#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "platform/standard_ids.h"
#include "platform/ui/button.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_fit.h"
#include "platform/ui/dialog_units.h"
#include "platform/ui/icon_files.h"
#include "platform/win_app.h"
#include "platform/wnd.h"

namespace {

// A static icon shows the icon at the system's icon size.
constexpr int kIconSize = 32;

// The text as shown when '&' marks the next letter as the control's key:
// the marks go, and "&&" stands for one '&'.
QString WithoutMnemonics(const QString& text) {
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
      ++i;
    }
    shown += text[i];
  }
  return shown;
}

}  // namespace

DialogWindow::DialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* pOwner)
    : QDialog(pOwner), m_dialog(dialog) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
  if (dialogTemplate.bCaption) {
    flags |= Qt::WindowTitleHint;
  }
  if (dialogTemplate.bSysMenu) {
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  }
  setWindowFlags(flags);
  setWindowTitle(dialogTemplate.caption);
  setFont(QFont(dialogTemplate.fontFace, dialogTemplate.nPointSize));

  const DialogBaseUnits base = GetDialogBaseUnits(font());
  setFixedSize(MapDialogRect(QRect(QPoint(0, 0), dialogTemplate.size), base).size());
  std::vector<FittedControl> fitted;
  for (const DialogControlTemplate& control : dialogTemplate.controls) {
    QWidget* widget = CreateControl(control);
    fitted.push_back({widget, control.sourceText.isEmpty() ? control.text : control.sourceText});
    widget->setProperty("controlId", control.nID);
    if (control.kind == DialogControlKind::kIcon) {
      widget->setGeometry(
          QRect(MapDialogRect(control.rect, base).topLeft(), QSize(kIconSize, kIconSize)));
    } else {
      widget->setGeometry(MapDialogRect(control.rect, base));
    }
    if ((control.flags & kTabStop) != 0 && m_pFirstTabStop == nullptr) {
      m_pFirstTabStop = widget;
    }
    const bool startsGroup = (control.flags & kGroup) != 0 || m_controls.empty();
    m_groupStart.push_back(startsGroup ? m_controls.size() : m_groupStart.back());
    m_controls.emplace_back(control.nID, widget);
  }
  FitControlsToTexts(this, fitted);
  FitDialogToCaption(this);
}

QWidget* DialogWindow::CreateControl(const DialogControlTemplate& control) {
  if (control.kind == DialogControlKind::kStatic) {
    const bool noPrefix = (control.flags & kNoPrefix) != 0;
    auto* label = new QLabel(noPrefix ? control.text : WithoutMnemonics(control.text), this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
  }
  if (control.kind == DialogControlKind::kGroupBox) {
    auto* groupBox = new QGroupBox(control.text, this);
    // The frame is drawn around controls made before it as well as after:
    // clicks inside it belong to them.
    groupBox->setAttribute(Qt::WA_TransparentForMouseEvents);
    groupBox->setFocusPolicy(Qt::NoFocus);
    return groupBox;
  }
  if (control.kind == DialogControlKind::kIcon) {
    auto* label = new QLabel(this);
    label->setPixmap(IconFromFiles(QStringLiteral(":/icons"), control.text)
                         .pixmap(QSize(kIconSize, kIconSize), devicePixelRatioF()));
    return label;
  }

  QAbstractButton* button;
  if (control.kind == DialogControlKind::kRadio) {
    button = new ManualRadioButton(control.text, this);
  } else {
    auto* pushButton = new QPushButton(control.text, this);
    pushButton->setDefault((control.flags & kDefaultButton) != 0);
    button = pushButton;
  }
  // Outside the Tab order a button still takes the focus when clicked.
  button->setFocusPolicy((control.flags & kTabStop) != 0 ? Qt::StrongFocus : Qt::ClickFocus);
  const int nID = control.nID;
  connect(button, &QAbstractButton::clicked, this, [this, nID] { m_dialog.OnControlClicked(nID); });
  return button;
}

QWidget* DialogWindow::Control(int nID) const {
  for (const auto& [id, widget] : m_controls) {
    if (id == nID) {
      return widget;
    }
  }
  return nullptr;
}

void DialogWindow::FocusFirstTabStop() {
  if (m_pFirstTabStop != nullptr) {
    m_pFirstTabStop->setFocus(Qt::TabFocusReason);
  }
}

void DialogWindow::reject() {
  m_dialog.OnCancel();
}

void DialogWindow::keyPressEvent(QKeyEvent* pEvent) {
  const Qt::KeyboardModifiers held =
      pEvent->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (pEvent->key() == Qt::Key_F1 && held == Qt::NoModifier) {
    // Help belongs to the main window; the dialog stays as it is.
    if (CWnd* main = AfxGetMainWnd()) {
      main->OnCommand(ID_HELP);
    }
    return;
  }
  if (held == Qt::NoModifier) {
    const int key = pEvent->key();
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                     : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                 : 0;
    if (step != 0 && MoveInRadioGroup(step)) {
      return;
    }
  }
  QDialog::keyPressEvent(pEvent);
}

bool DialogWindow::MoveInRadioGroup(int step) {
  const QWidget* focused = focusWidget();
  std::size_t at = m_controls.size();
  for (std::size_t i = 0; i < m_controls.size(); ++i) {
    if (m_controls[i].second == focused) {
      at = i;
    }
  }
  if (at == m_controls.size() ||
      dynamic_cast<ManualRadioButton*>(m_controls[at].second) == nullptr) {
    return false;
  }
  std::vector<std::size_t> radios;
  for (std::size_t i = 0; i < m_controls.size(); ++i) {
    if (m_groupStart[i] == m_groupStart[at] &&
        dynamic_cast<ManualRadioButton*>(m_controls[i].second) != nullptr) {
      radios.push_back(i);
    }
  }
  const auto here = static_cast<long>(std::find(radios.begin(), radios.end(), at) - radios.begin());
  const auto count = static_cast<long>(radios.size());
  auto* next = static_cast<QAbstractButton*>(
      m_controls[radios[static_cast<std::size_t>((here + step + count) % count)]].second);
  // As the window system does for a group of radio buttons: the check follows the focus.
  next->setFocus(Qt::TabFocusReason);
  next->click();
  return true;
}
