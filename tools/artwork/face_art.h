// The board's faces: eleven strips of eleven 100 x 100 pictures. Strip 0 holds the
// unnamed user's face and the portraits of the ten sex and age groups; strips 1 to 10
// hold eleven expressions of one group each.
#pragma once

#include <QImage>
#include <QString>

namespace nuvaro::artgen {

inline constexpr int kFaceSize = 100;
inline constexpr int kFacesPerStrip = 11;
inline constexpr int kFaceStripCount = 11;

// Expressions in the order of the pictures within a group's strip.
enum class Expression {
  Proud,     // 0: smug half-closed eyes, smirk, sparkle
  Gentle,    // 1: closed smiling eyes, soft smile, blush
  Wink,      // 2: one eye shut, open grin, star
  Joy,       // 3: bright open eyes, open smile
  Thinking,  // 4: eyes up, one brow raised, thought bubbles
  Tears,     // 5: wet eyes, tears running, trembling mouth
  Anger,     // 6: frowning brows, gritted teeth, anger mark
  Worry,     // 7: raised inner brows, wavy mouth, sweat drop
  Surprise,  // 8: wide eyes, round mouth, raised brows
  Laugh,     // 9: squeezed eyes, big laugh
  Love,      // 10: heart eyes, blush, floating hearts
  Portrait,  // the group's calm portrait (strip 0)
  Unnamed,   // the face of a user not named yet (strip 0, picture 0)
};

// Drawn (ARGB, transparent background) strip number 0 to 10.
QImage DrawFaceStrip(int strip);

// File-name part telling which group a strip belongs to ("portraits", "men_11_to_30" ...).
QString FaceStripTopic(int strip);

// Readable name of an expression (for previews and documentation).
QString ExpressionName(int picture);

}  // namespace nuvaro::artgen
