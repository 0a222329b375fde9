// The toolkit's side of the program's rules, recorded instead of shown: the
// boxes that would open (and are answered at once), grabs cancelled,
// activations restored, tasks posted after the event, and a calculator
// window of plain texts.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/calculators.h"
#include "ui/calculator_window.h"
#include "app/failure_report.h"
#include "app/message_box_service.h"
#include "app/window_services.h"

namespace anod::testing_support {

struct ShownBox {
  std::string caption;
  std::string text;
  BoxOwner owner;
};

class FakeBoxes final : public MessageBoxService {
 public:
  void ShowStop(std::string_view caption, std::string_view text, BoxOwner owner) override {
    shown.push_back({std::string(caption), std::string(text), owner});
  }
  std::vector<ShownBox> shown;
};

class FakeWindows final : public WindowServices {
 public:
  void CancelMouseGrab() override { ++grabs_cancelled; }
  std::unique_ptr<SavedActivation> SaveActivation() override {
    struct Saved final : SavedActivation {
      explicit Saved(int& restores) : restores(restores) {}
      void Restore() override { ++restores; }
      int& restores;
    };
    return std::make_unique<Saved>(activations_restored);
  }
  void PostAfterEvent(EventSender sender, std::function<void(EventSender)> task) override {
    posted.emplace_back(sender, std::move(task));
  }
  // Runs what was posted, as the loop would after the event.
  void RunPosted() {
    auto tasks = std::move(posted);
    posted.clear();
    for (auto& [sender, task] : tasks) task(sender);
  }

  int grabs_cancelled = 0;
  int activations_restored = 0;
  std::vector<std::pair<EventSender, std::function<void(EventSender)>>> posted;
};

// The reporter as the program builds it, captioned "Outil", over the fakes.
struct FakeProgram {
  FakeBoxes boxes;
  FakeWindows windows;
  FailureReporter reporter{"Outil", boxes, windows};
};

// Edit boxes and labels by name; labels start with their initial captions.
class FakeCalculatorWindow final : public CalculatorWindow {
 public:
  FakeCalculatorWindow() {
    for (const CalculatorInfo& calculator : Calculators()) {
      captions[calculator.surface_label] = std::string(kInitialSurfaceCaption);
    }
    captions[kCurrentLabel] = std::string(kInitialCurrentCaption);
  }
  std::string EditText(std::string_view name) const override {
    const auto found = texts.find(std::string(name));
    return found != texts.end() ? found->second : std::string();
  }
  void SetLabelCaption(std::string_view name, std::string caption) override {
    captions[std::string(name)] = std::move(caption);
    ++caption_writes;
  }
  void Calculated(const CalculatorInfo& calculator) override { calculated.push_back(calculator.operation); }
  std::vector<std::string> calculated;  // the operations that told Calculated

  std::map<std::string, std::string> texts;
  std::map<std::string, std::string> captions;
  int caption_writes = 0;
};

}  // namespace anod::testing_support
