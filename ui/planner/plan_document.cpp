#include "ui/planner/plan_document.h"

#include "plan/plan_file.h"
#include "plan/user_file.h"

namespace anod {
namespace {

constexpr const char* kTitle = "Plan de bain \xE2\x80\x94 Anodisation";

}  // namespace

std::string PlanDocument::Title() const {
  std::string title = kTitle;
  if (path_) title += " \xE2\x80\x94 " + PathText(path_->filename());
  if (Modified()) title += "*";
  return title;
}

// Whether the contents may be replaced or closed; changed contents ask first.
bool PlanDocument::MayClose() {
  if (!Modified()) return true;
  switch (services_.AskUnsaved("Enregistrer les modifications ?")) {
    case UnsavedAnswer::kSave:
      return Save();
    case UnsavedAnswer::kDiscard:
      return true;
    case UnsavedAnswer::kCancel:
      break;
  }
  return false;
}

bool PlanDocument::New() {
  if (!MayClose()) return false;
  editor_ = PlanEditor();
  saved_revision_ = editor_.Revision();
  path_.reset();
  return true;
}

bool PlanDocument::Open() {
  if (!MayClose()) return false;
  const std::optional<std::filesystem::path> path = services_.AskOpenPath();
  return path && OpenFile(*path);
}

bool PlanDocument::OpenFile(const std::filesystem::path& path) {
  PlanReading reading = LoadPlanFile(path);
  if (!reading.plan) {
    services_.ShowFileProblem(reading.problem);
    return false;
  }
  editor_ = PlanEditor(*reading.plan);
  saved_revision_ = editor_.Revision();
  path_ = path;
  return true;
}

bool PlanDocument::Save() { return path_ ? SaveTo(*path_) : SaveAs(); }

bool PlanDocument::SaveAs() {
  const std::filesystem::path suggested = path_.value_or(std::filesystem::path(u8"Plan de bain.anodplan"));
  std::optional<std::filesystem::path> path = services_.AskSavePath(suggested);
  if (!path) return false;
  if (!path->has_extension()) path->replace_extension(kPlanExtension);
  return SaveTo(*path);
}

bool PlanDocument::SaveTo(const std::filesystem::path& path) {
  if (const std::string& problem = editor_.SaveProblem(); !problem.empty()) {
    services_.ShowFileProblem(UserFileProblem("Impossible d'enregistrer", path, problem));
    return false;
  }
  if (const std::string problem = SavePlanFile(path, editor_.ToPlan()); !problem.empty()) {
    services_.ShowFileProblem(problem);
    return false;
  }
  saved_revision_ = editor_.Revision();
  path_ = path;
  return true;
}

}  // namespace anod
