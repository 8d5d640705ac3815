#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

#include "core/fs/file_system.h"
#include "core/pipeline/start_checks.h"
#include "core/presets/preset_folder.h"

class QAction;
class QMenu;
class QWidget;

namespace morvane::gui {

class MessageBoxes;

// What the presets need of the window they are in.
class PresetHost {
 public:
  virtual ~PresetHost() = default;
  virtual MessageBoxes& Messages() = 0;
  // The fields and options as they stand.
  virtual core::StartRequest StartRequestNow() const = 0;
  // Shows the fields of a preset: its mode selected, the mode's fields and the options
  // set as the request says.
  virtual void ApplyPresetFields(const core::StartRequest& fields) = 0;
};

// The オプション menu's プリセット: saves the current mode's fields and options under a
// name, applies a saved one, deletes one. The presets are the command line's (one file
// each in the program folder's Presets folder), so a preset saved here replays the same
// run from morvane-batch --preset.
class PresetMenuPart : public QObject {
  Q_OBJECT

 public:
  // Puts the submenu into menu before the item `before`.
  PresetMenuPart(PresetHost& host, core::FileSystem& fileSystem, const std::string& programFolder,
                 QMenu* menu, QAction* before, QWidget* window);

  QMenu* Menu() const { return m_menu; }

  // Asks for the name to save under, offering the saved ones; nothing when cancelled.
  using NamePrompt = std::function<std::optional<QString>(const QStringList& names)>;
  // Test seam: asks instead of the dialog.
  void SetNamePrompt(NamePrompt prompt) { m_prompt = std::move(prompt); }

  void SaveCurrent();
  void Apply(const std::string& name);
  void Delete(const std::string& name);

 private:
  // The submenu's items, made again each time it opens.
  void Rebuild();
  std::optional<QString> AskName(const QStringList& names);

  PresetHost& m_host;
  core::PresetFolder m_presets;
  QWidget* m_window;
  QMenu* m_menu;
  QMenu* m_deletion;
  NamePrompt m_prompt;
};

}  // namespace morvane::gui
