// Qt's widgets as the language engine sees them. Qt names its properties
// text, toolTip, windowTitle, while a translation's key says Caption, Hint,
// Text, Items, Panels, and Qt looks names up case-sensitively: so each widget
// class gets a small table of named properties, found along its class's
// superclass chain, the most derived class first.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "localisation/LcTranslate.h"

class QObject;
class QWidget;

namespace trelio {

// A window: its components are its descendants by object name, menu actions
// included, but not what lies inside another window of the program (a dialog
// is a child of the main window in Qt's tree, not one of its components).
class LcQtForm : public LcForm {
 public:
  explicit LcQtForm(QWidget* window);
  ~LcQtForm() override;

  std::string Name() const override;
  std::shared_ptr<LcObject> FindComponent(std::string_view name) override;
  std::vector<std::string> ClassChain() const override;
  std::optional<LcPropKind> PropertyKind(std::string_view name) const override;
  bool CanWrite(std::string_view name) const override;
  std::u16string ReadText(std::string_view name) const override;
  void WriteText(std::string_view name, std::u16string_view text) override;
  std::shared_ptr<LcObject> ReadObject(std::string_view name) const override;

 private:
  QWidget* window_;
  std::shared_ptr<LcObject> self_;
};

// Translates a window into the active language.
bool LcTranslateForm(QWidget* window);

}  // namespace trelio
