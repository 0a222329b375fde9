// The Plan de bain's file: the editor's contents, the file they came from or
// went to, whether they changed since, the window's title, and the file
// actions (Nouveau, Ouvrir…, Enregistrer, Enregistrer sous…, closing) with
// their questions. Toolkit-free: the toolkit's dialogs and boxes answer
// through PlanDocumentServices.
//
//   new                         title "Plan de bain — Anodisation"
//   a field typed in            title "Plan de bain — Anodisation*"
//   saved as bain.anodplan      title "Plan de bain — Anodisation —
//   bain.anodplan" edited again                title "Plan de bain —
//   Anodisation — bain.anodplan*"
//
// Before the contents are replaced (Nouveau, Ouvrir…) or the window closes,
// changed contents ask "Enregistrer les modifications ?": Enregistrer saves
// (asking for a name when there is none; a failed or cancelled save cancels
// the action), Ne pas enregistrer goes on, Annuler stops. A file that cannot
// be read or written says why in a box and changes nothing.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "ui/planner/plan_editor.h"

namespace anod {

enum class UnsavedAnswer { kSave, kDiscard, kCancel };

inline constexpr std::string_view kPlanExtension = ".anodplan";

class PlanDocumentServices {
 public:
  virtual ~PlanDocumentServices() = default;
  // "Enregistrer les modifications ?" with Enregistrer / Ne pas enregistrer /
  // Annuler; closing the box is Annuler.
  virtual UnsavedAnswer AskUnsaved(std::string_view question) = 0;
  // The toolkit's own dialogs; nothing when cancelled. The save dialog adds
  // ".anodplan" to a name typed without it.
  virtual std::optional<std::filesystem::path> AskOpenPath() = 0;
  virtual std::optional<std::filesystem::path> AskSavePath(const std::filesystem::path& suggested) = 0;
  // A box with the stop icon, the message (UTF-8) and OK.
  virtual void ShowFileProblem(std::string_view message) = 0;
};

class PlanDocument {
 public:
  explicit PlanDocument(PlanDocumentServices& services) : services_(services) {}

  PlanEditor& Editor() { return editor_; }
  const PlanEditor& Editor() const { return editor_; }
  bool Modified() const { return editor_.Revision() != saved_revision_; }
  const std::optional<std::filesystem::path>& Path() const { return path_; }
  std::string Title() const;

  // Each is false when cancelled or failed, the document as it was.
  bool New();
  bool Open();
  // Reads `path` without asking (the window opened on a file); the question
  // is the caller's.
  bool OpenFile(const std::filesystem::path& path);
  bool Save();
  bool SaveAs();
  // True when the window may close: nothing changed, or the question's
  // answer allows it (a session ending asks the same).
  bool MayClose();

 private:
  bool SaveTo(const std::filesystem::path& path);

  PlanDocumentServices& services_;
  PlanEditor editor_;
  std::uint64_t saved_revision_ = editor_.Revision();
  std::optional<std::filesystem::path> path_;
};

}  // namespace anod
