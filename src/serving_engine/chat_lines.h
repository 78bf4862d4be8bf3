#pragma once
// The lines the server posts in the room. Every one begins with the bullet and a blank.

#include <string>
#include <string_view>

namespace serving_engine {

// The bullet of the client's character set (Windows-1252).
inline constexpr char kBullet = '\x95';

// The bullet, a blank, then the text.
inline std::string BulletLine(std::string_view text) {
  std::string line{kBullet, ' '};
  line += text;
  return line;
}

inline constexpr char kGreetingText[] = "tollmere server for aol 4 & 5";
inline constexpr char kUnpausedText[] = "tollmere server unpaused";

}  // namespace serving_engine
