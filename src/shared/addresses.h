#pragma once
// The program's title and the two web addresses it names in the room, in its boxes, in its
// Websites menu and in the note of every mail it forwards. One place, so that the greeting, the
// reminder box and the mail note never disagree.

namespace shared {

// The program's version, as its captures of the client name it (set by the build).
inline constexpr char kProgramVersion[] = TOLLMERE_VERSION;

// The title of every message box the program shows.
inline constexpr char kProgramTitle[] = "tollmere";

// The author's and the product's web sites. Both are on reserved example domains: the program
// names them, it never depends on them answering.
inline constexpr char kAuthorAddress[] = "http://vornik.example.com";
inline constexpr char kProductAddress[] = "http://tollmere.example.org";

// Where the program itself is downloaded, and the two sites' host names as the mail note shows
// them (spaced out letter by letter, which the note does itself).
inline constexpr char kDownloadAddress[] = "http://tollmere.example.org/download";
inline constexpr char kAuthorHost[] = "vornik.example.com";
inline constexpr char kProductHost[] = "tollmere.example.org";

}  // namespace shared
