// The program's services on Qt: the stop box (platform/message_box.h), the
// mouse grab, activation and focus, the queued call after an event, and
// the primary screen. Senders are QObject pointers.
#pragma once

#include "app/message_box_service.h"
#include "app/screen_service.h"
#include "app/window_services.h"

namespace anod {

class QtMessageBoxService final : public MessageBoxService {
 public:
  // Both owners show the same application-modal box: Qt has no hidden
  // owner window, and no box of the program is task-modal beyond it.
  void ShowStop(std::string_view caption, std::string_view text, BoxOwner owner) override;
};

class QtWindowServices final : public WindowServices {
 public:
  void CancelMouseGrab() override;
  std::unique_ptr<SavedActivation> SaveActivation() override;
  void PostAfterEvent(EventSender sender, std::function<void(EventSender sender)> task) override;
};

class QtScreenService final : public ScreenService {
 public:
  int ColorDepth() const override;
};

}  // namespace anod
