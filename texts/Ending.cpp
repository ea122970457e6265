#include "texts/Ending.h"

namespace palettra::texts {

Ending ProgramEnded() { return { "プログラムは終了しました (The program has ended)", "もう一度始める (Start again)" }; }

} // namespace palettra::texts
