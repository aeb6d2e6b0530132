#pragma once

class QJsonObject;
class QWidget;

namespace quendaro {

// The program's windows: the eight of its design and the party window.
enum class FormId {
  kForm1,  // character generator
  kForm2,  // name generator
  kForm3,  // lair-treasure generator
  kForm4,  // hit-point roller
  kForm5,  // intelligent-weapon generator
  kForm6,  // credits
  kForm7,  // start window with the logo
  kForm8,  // main menu
  kParty,  // "Gruppo di PNG", from the large windows' "&Opzioni"
};

// How a window opens another. The application keeps one shared instance per
// form, creates it when first shown and destroys it when closed; a window
// only says where the user wants to go. Windows built on their own (in a
// test, say) get no navigator, and their navigation items then do nothing.
class Navigator {
 public:
  virtual ~Navigator() = default;

  // Shows `target` (created if needed, brought to the front), without owner.
  virtual void Show(FormId target) = 0;

  // Switch: shows `target` without owner and closes `origin`.
  virtual void SwitchTo(FormId target, QWidget* origin) = 0;

  // Open owned: shows `target` modeless above `owner`, which stays usable.
  virtual void OpenOwned(FormId target, QWidget* owner) = 0;

  // Shows `target` and hides `origin`, keeping it and its contents alive.
  // Only the character window leaves this way.
  virtual void ShowAndHide(FormId target, QWidget* origin) = 0;

  // Closes `target` if it is open.
  virtual void Close(FormId target) = 0;

  // A window made a result: `entry` is its history entry (see HistoryStore).
  // Without a history nothing is kept.
  virtual void Generated(const QJsonObject& /*entry*/) {}

  // Shows the history window, "Cronologia".
  virtual void ShowHistory() {}

  // Puts a history entry back into the window of its generator.
  virtual void Reopen(const QJsonObject& /*entry*/) {}
};

}  // namespace quendaro
