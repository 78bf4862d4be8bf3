#include "aol_automation/client_check.h"

#include <optional>

#include "aol_automation/chat_room.h"
#include "aol_automation/client_windows.h"
#include "aol_automation/mail_layout.h"
#include "aol_automation/shape_finder.h"
#include "aol_automation/text_case.h"
#include "aol_automation/toolbar_menu.h"
#include "aol_automation/window_operations.h"

namespace vornik32 {
namespace {

using winsys::kNoWindow;

// A caption longer than this is shown cut, so that a row stays one readable line.
constexpr std::size_t kShownCaption = 60;
constexpr int kVersionProbeButton = 22;
constexpr int kAutomaticAolCheckboxes = 6;

// The captions of the content windows found by caption: such a window is never taken for a
// window of some shape that lacks a control.
constexpr const char* kFixedCaptions[] = {kMailboxCaption, kWriteMailCaption, kAutomaticAolCaption,
                                          kNewInstantMessageCaption};

std::string Ordinal(int n) {
  const int tens = n % 100;
  const char* ending = "th";
  if (tens < 11 || tens > 13) {
    if (n % 10 == 1) ending = "st";
    if (n % 10 == 2) ending = "nd";
    if (n % 10 == 3) ending = "rd";
  }
  return std::to_string(n) + ending;
}

std::string Quoted(std::string_view text) {
  if (text.size() <= kShownCaption) return "\"" + std::string(text) + "\"";
  return "\"" + std::string(text.substr(0, kShownCaption)) + "...\"";
}

std::string ShapeText(Signature signature) {
  std::string text;
  for (const ChildCount& need : signature) {
    if (!text.empty()) text += ", ";
    text += std::to_string(need.ordinal) + " \"" + need.class_name + "\"";
  }
  return text;
}

// A window the rows of its controls are read in, and what those rows say when it is missing.
struct Place {
  HWND window = kNoWindow;
  std::string name;  // "the chat room"
  RowState missing = RowState::kNotFound;
  std::string hint;  // what to open, when it cannot be checked now
};

class Reader {
 public:
  explicit Reader(winsys::WindowSystem& ws) : ws_(ws) {}

  ClientReading Read() {
    ReadLayout();
    const Place main = MainWindowPlace();
    const Place mdi = ChildPlace("Main window: MDI client", main, kMdiAreaClass, "the MDI client");
    ReadToolbar(main);
    ReadMenuBar(main);
    ReadWelcome(mdi);
    ReadChatRoom(mdi);
    ReadMailWindows(mdi);
    return std::move(reading_);
  }

 private:
  void Add(std::string what, RowState state, std::string looked_for, std::string there,
           Personal personal = Personal::kNo) {
    reading_.rows.push_back(
        {std::move(what), state, std::move(looked_for), std::move(there), personal});
  }

  std::string Caption(HWND window) const { return ws_.GetWindowText(window); }

  // What a person would call the window: its class, and its caption or how much text it holds.
  // A client that left one message unanswered is asked nothing more, so that a hung client costs
  // the check one bounded send and not one for every control.
  std::string Describe(HWND window) {
    const std::string class_name = ws_.GetClassName(window);
    std::string text = "\"" + class_name + "\"";
    const bool asks = IsListClass(class_name) || IsTextClass(class_name);
    if (asks && !answering_) return text + " (not asked: the client stopped answering)";
    if (IsListClass(class_name)) {
      const std::optional<int> count = AnsweredListCount(ws_, window);
      answering_ = count.has_value();
      return text + (count ? " answering " + std::to_string(*count) + " lines"
                           : " that does not answer how many lines it has");
    }
    if (IsTextClass(class_name)) {
      const std::optional<std::string> live = AnsweredText(ws_, window);
      answering_ = live.has_value();
      return text + (live ? " holding " + std::to_string(live->size()) + " characters"
                          : " that does not answer for its text");
    }
    const std::string caption = Caption(window);
    return caption.empty() ? text : text + " captioned " + Quoted(caption);
  }

  int CountChildren(HWND parent, const char* class_name) const {
    int count = 0;
    for (HWND child = ws_.FindWindowEx(parent, kNoWindow, class_name, nullptr); child != kNoWindow;
         child = ws_.FindWindowEx(parent, child, class_name, nullptr)) {
      ++count;
    }
    return count;
  }

  // Which child of the class (from 1) is captioned label; 0 when none is.
  int OrdinalOfLabel(HWND parent, const char* class_name, const char* label) const {
    int ordinal = 0;
    for (HWND child = ws_.FindWindowEx(parent, kNoWindow, class_name, nullptr); child != kNoWindow;
         child = ws_.FindWindowEx(parent, child, class_name, nullptr)) {
      ++ordinal;
      if (EqualIgnoringCase(Caption(child), label)) return ordinal;
    }
    return 0;
  }

  // The row of something inside parent when parent is missing; whether it was added.
  bool AddedForMissing(const std::string& what, const Place& parent,
                       const std::string& looked_for) {
    if (parent.window != kNoWindow) return false;
    Add(what, parent.missing, looked_for,
        parent.missing == RowState::kCannotCheckNow ? parent.hint : "no " + parent.name);
    return true;
  }

  // A window found inside mdi, or what its rows say when mdi itself is missing.
  static Place PlaceIn(const Place& mdi, std::string name, std::string hint) {
    if (mdi.window == kNoWindow) return Place{kNoWindow, std::move(name), mdi.missing, mdi.hint};
    return Place{kNoWindow, std::move(name), RowState::kCannotCheckNow, std::move(hint)};
  }

  // The row of the ordinal-th child of the class in parent; the child when it is where the
  // layout says (and, for a button the client captions, captioned label).
  HWND ChildRow(const std::string& what, const Place& parent, const char* class_name, int ordinal,
                const char* label = nullptr) {
    std::string looked_for = Ordinal(ordinal) + " \"" + class_name + "\" of " + parent.name;
    if (label != nullptr) looked_for += std::string(", captioned \"") + label + "\" if captioned";
    if (AddedForMissing(what, parent, looked_for)) return kNoWindow;
    const HWND child = NthChild(ws_, parent.window, class_name, ordinal);
    if (child == kNoWindow) {
      Add(what, RowState::kNotFound, looked_for,
          parent.name + " has " + std::to_string(CountChildren(parent.window, class_name)) + " \"" +
              class_name + "\"");
      return kNoWindow;
    }
    if (label != nullptr && !EqualIgnoringCase(Caption(child), label)) {
      // A button whose label stands on another button is not the one meant; an uncaptioned one
      // is taken as it, when no button carries the label.
      const std::string caption = Caption(child);
      const std::string cls = std::string("\"") + class_name + "\"";
      const int labelled = OrdinalOfLabel(parent.window, class_name, label);
      if (caption.empty() && labelled == 0) {
        Add(what, RowState::kFound, looked_for,
            "an uncaptioned " + cls + " (no caption there confirms it)");
        return child;
      }
      Add(what, RowState::kNotFound, looked_for,
          (caption.empty() ? "an uncaptioned " + cls : Quoted(caption)) + " stands there; " +
              (labelled == 0
                   ? "no " + cls + " is captioned \"" + label + "\""
                   : "\"" + std::string(label) + "\" is the " + Ordinal(labelled) + " " + cls));
      return kNoWindow;
    }
    Add(what, RowState::kFound, looked_for, Describe(child));
    return child;
  }

  Place ChildPlace(const std::string& what, const Place& parent, const char* class_name,
                   std::string name) {
    return Place{ChildRow(what, parent, class_name, 1), std::move(name), parent.missing,
                 parent.hint};
  }

  void ReadLayout() {
    const bool aol5 = aol432::IsAOL5(ws_);
    version_ = aol5 ? ClientVersion::kAol5 : ClientVersion::kAol4;
    layout_ = aol5 ? kAol5MailLayout : kAol4MailLayout;
    reading_.layout = aol5 ? "5.0" : "4.0";
    const HWND strip = ToolbarStrip(ws_);
    const HWND probe = NthChild(ws_, strip, kIconClass, kVersionProbeButton);
    const HWND box = FirstChild(ws_, strip, kComboboxClass);
    winsys::Rect probe_rect;
    winsys::Rect box_rect;
    if (strip == kNoWindow) {
      reading_.layout_reason = "there is no toolbar, which reads as 4.0";
    } else if (!ws_.GetWindowRect(probe, probe_rect) || !ws_.GetWindowRect(box, box_rect)) {
      reading_.layout_reason =
          probe == kNoWindow ? "the toolbar has no 22nd button" : "the toolbar has no address box";
      reading_.layout_reason += ", which reads as 4.0";
    } else {
      reading_.layout_reason = "the 22nd toolbar button (left edge " +
                               std::to_string(probe_rect.left) + ") stands " +
                               (aol5 ? "right" : "left") + " of the address box (left edge " +
                               std::to_string(box_rect.left) + ")";
    }
  }

  Place MainWindowPlace() {
    Place main{MainWindow(ws_), "the main window", RowState::kCannotCheckNow,
               "start the client and sign on"};
    const std::string looked_for = std::string("a top-level \"") + kMainWindowClass + "\"";
    if (main.window == kNoWindow) {
      Add("Main window", RowState::kNotFound, looked_for, "no such window: is the client running?");
    } else {
      Add("Main window", RowState::kFound, looked_for, Describe(main.window));
    }
    return main;
  }

  void ReadToolbar(const Place& main) {
    const Place outer = ChildPlace("Toolbar", main, kToolbarClass, "the toolbar");
    const Place strip = ChildPlace("Toolbar: button strip", outer, kToolbarStripClass,
                                   "the toolbar's button strip");
    const struct {
      int number;
      const char* use;
    } buttons[] = {{2, "Write Mail"},
                   {3, "the mail menu"},
                   {10, "the instant message menu"},
                   {kVersionProbeButton, "tells 5.0 from 4.0"}};
    for (const auto& button : buttons) {
      ChildRow("Toolbar button " + std::to_string(button.number) + " (" + button.use + ")", strip,
               kIconClass, button.number);
    }
    const Place box = ChildPlace("Address box", strip, kComboboxClass, "the address box");
    ChildRow("Address box: its field", box, kPlainEditClass, 1);
  }

  void ReadMenuBar(const Place& main) {
    const std::string what = std::string("Menu bar: ") + kStopIncomingText;
    const std::string looked_for = "an item of the main window's menus holding that text";
    if (AddedForMissing(what, main, looked_for)) return;
    if (const auto item = FindMenuItem(ws_, kStopIncomingText)) {
      Add(what, RowState::kFound, looked_for,
          "item " + std::to_string(item->item + 1) + " of menu " + std::to_string(item->menu + 1) +
              ", command " + std::to_string(item->command));
    } else {
      Add(what, RowState::kNotFound, looked_for,
          ws_.GetMenu(main.window) == 0 ? "the main window has no menu bar"
                                        : "no item of the menu bar holds it");
    }
  }

  // A content window lacking exactly one of the shape's classes, not of another known kind: what
  // stands where the window was looked for, and the window its controls are then read in.
  std::optional<std::pair<HWND, std::string>> NearMiss(HWND mdi, Signature signature) const {
    for (HWND window = FirstChild(ws_, mdi, kContentWindowClass); window != kNoWindow;
         window = ws_.FindWindowEx(mdi, window, kContentWindowClass, nullptr)) {
      if (OfKnownKind(window)) continue;
      std::optional<std::string> gap;
      int missing = 0;
      for (const ChildCount& need : signature) {
        if (NthChild(ws_, window, need.class_name, need.ordinal) != kNoWindow) continue;
        ++missing;
        gap = Quoted(Caption(window)) + " has " +
              std::to_string(CountChildren(window, need.class_name)) + " of the " +
              std::to_string(need.ordinal) + " \"" + need.class_name + "\" needed";
      }
      if (missing == 1) return std::make_pair(window, *gap);
    }
    return std::nullopt;
  }

  bool OfKnownKind(HWND window) const {
    for (const char* caption : kFixedCaptions) {
      if (EqualIgnoringCase(Caption(window), caption)) return true;
    }
    for (Signature shape : {Signature(kChatRoomShape), Signature(kReadMailShape),
                            Signature(kComposeShape), Signature(kWelcomeShape)}) {
      if (HasShape(ws_, window, shape)) return true;
    }
    return false;
  }

  Place ShapePlace(const std::string& what, const Place& mdi, Signature signature, std::string name,
                   std::string hint) {
    Place place = PlaceIn(mdi, std::move(name), std::move(hint));
    const std::string looked_for =
        std::string("an \"") + kContentWindowClass + "\" with at least " + ShapeText(signature);
    if (AddedForMissing(what, mdi, looked_for)) return place;
    const std::vector<HWND> matches = WindowsOfShape(ws_, signature);
    if (!matches.empty()) {
      place.window = matches.front();
      std::string there = Describe(place.window);
      if (matches.size() > 1) there += ", the first of " + std::to_string(matches.size());
      Add(what, RowState::kFound, looked_for, there, Personal::kYes);
    } else if (const auto near = NearMiss(mdi.window, signature)) {
      // Its controls are read in the window that nearly has the shape, so that the rows name what
      // else stands elsewhere.
      place.window = near->first;
      place.missing = RowState::kNotFound;
      Add(what, RowState::kNotFound, looked_for, near->second, Personal::kYes);
    } else {
      Add(what, RowState::kCannotCheckNow, looked_for, place.hint);
    }
    return place;
  }

  Place CaptionPlace(const std::string& what, const Place& mdi, const char* caption,
                     std::string name, std::string hint) {
    Place place = PlaceIn(mdi, std::move(name), std::move(hint));
    const std::string looked_for =
        std::string("an \"") + kContentWindowClass + "\" captioned \"" + caption + "\"";
    if (AddedForMissing(what, mdi, looked_for)) return place;
    place.window = FirstChild(ws_, mdi.window, kContentWindowClass, caption);
    if (place.window == kNoWindow) {
      Add(what, RowState::kCannotCheckNow, looked_for, place.hint);
    } else {
      Add(what, RowState::kFound, looked_for, Describe(place.window));
    }
    return place;
  }

  void ReadWelcome(const Place& mdi) {
    const Place welcome =
        ShapePlace("Welcome window", mdi, kWelcomeShape, "the Welcome window", "sign on");
    const std::string what = "Welcome window: screen name";
    const std::string looked_for =
        "the caption after its 9-character greeting, without the closing characters";
    if (AddedForMissing(what, welcome, looked_for)) return;
    const std::string caption = Caption(welcome.window);
    const std::string name = ScreenNameInWelcomeCaption(caption, version_);
    if (name.empty()) {
      Add(what, RowState::kNotFound, looked_for,
          "the caption " + Quoted(caption) + " is too short to hold a name", Personal::kYes);
    } else {
      Add(what, RowState::kFound, looked_for, Quoted(name), Personal::kYes);
    }
  }

  void ReadChatRoom(const Place& mdi) {
    const Place room =
        ShapePlace("Chat room", mdi, kChatRoomShape, "the chat room", "enter a chat room");
    ChildRow("Chat room: transcript", room, kRichTextClass, 1);
    ChildRow("Chat room: input line", room, kRichTextClass, 2);
    const HWND list = ChildRow("Chat room: member list", room, kListClass, 1);
    const std::string what = "Chat room: member names";
    const std::string looked_for = "each member's name in the client's memory, through the list";
    if (AddedForMissing(what, room, looked_for)) return;
    if (list == kNoWindow) {
      Add(what, RowState::kNotFound, looked_for, "no member list to read them through");
      return;
    }
    if (!answering_) {
      Add(what, RowState::kCannotCheckNow, looked_for, "Refresh once the client answers again");
      return;
    }
    const std::vector<std::string> names = MemberNames(ws_, list);
    int read = 0;
    for (const std::string& name : names) read += name.empty() ? 0 : 1;
    const std::string members = std::to_string(names.size()) + " members";
    if (!names.empty() && read == 0) {
      Add(what, RowState::kNotFound, looked_for, "no name of the " + members + " could be read");
    } else {
      Add(what, RowState::kFound, looked_for, std::to_string(read) + " names read of " + members);
    }
  }

  void ReadMailWindows(const Place& mdi) {
    const Place mailbox = CaptionPlace("Flash mailbox", mdi, kMailboxCaption, "the Flash mailbox",
                                       "open the Flash mailbox");
    ChildRow("Flash mailbox: list of mails", mailbox, kTreeClass, 1);
    ChildRow("Flash mailbox: Read button", mailbox, kIconClass, 1, "Read");

    const Place read =
        ShapePlace("Open mail", mdi, kReadMailShape, "the open mail", "open any stored mail");
    ChildRow("Open mail: Forward button", read, kIconClass, layout_.forward_button, "Forward");

    const Place forward = ShapePlace("Forward window", mdi, kComposeShape, "the forward window",
                                     "click Forward on an open mail");
    ChildRow("Forward window: recipient", forward, kEditClass, 1);
    ChildRow("Forward window: subject", forward, kEditClass, 3);
    ChildRow("Forward window: note", forward, kRichTextClass, 1);
    ChildRow("Forward window: Send button", forward, kIconClass, layout_.forward_send_button,
             "Send");

    const Place write = CaptionPlace("Write Mail", mdi, kWriteMailCaption, "the Write Mail window",
                                     "open Write Mail");
    ChildRow("Write Mail: recipient", write, kEditClass, 1);
    ChildRow("Write Mail: subject", write, kEditClass, 3);
    ChildRow("Write Mail: text", write, kRichTextClass, 1);
    ChildRow("Write Mail: Send button", write, kIconClass, layout_.write_mail_send_button, "Send");

    const Place session =
        CaptionPlace("Flash session window", mdi, kAutomaticAolCaption, "the flash session window",
                     "open Automatic AOL from the mail menu");
    ChildRow("Flash session window: its check boxes", session, kCheckboxClass,
             kAutomaticAolCheckboxes);
    ChildRow("Flash session window: start button", session, kIconClass, 2);
  }

  winsys::WindowSystem& ws_;
  ClientVersion version_ = ClientVersion::kAol4;
  bool answering_ = true;
  MailLayout layout_ = kAol4MailLayout;
  ClientReading reading_;
};

}  // namespace

std::string_view ToString(RowState state) {
  switch (state) {
    case RowState::kFound:
      return "found";
    case RowState::kNotFound:
      return "not found";
    case RowState::kCannotCheckNow:
      return "cannot check now";
  }
  return "";
}

std::string RowLine(const CheckRow& row, Names names) {
  const std::string there = names == Names::kLeaveOut && row.personal == Personal::kYes
                                ? std::string("(left out)")
                                : row.there;
  return "[" + std::string(ToString(row.state)) + "] " + row.what +
         ". Looked for: " + row.looked_for + "." +
         (row.state == RowState::kCannotCheckNow ? " To check it: " : " There: ") + there + ".";
}

std::string ReportText(const ClientReading& reading, Names names) {
  std::string text = "Client layout " + reading.layout + ": " + reading.layout_reason + ".";
  for (const CheckRow& row : reading.rows) text += "\r\n" + RowLine(row, names);
  return text;
}

ClientReading ClientCheck::Read() const {
  return Reader(ws_).Read();
}

}  // namespace vornik32
