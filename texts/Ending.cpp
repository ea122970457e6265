#include "texts/Ending.h"

namespace palettra::texts {

Ending ProgramEnded(const Language& language)
{
    return { language.Say("プログラムは終了しました (The program has ended)"),
        language.Say("もう一度始める (Start again)") };
}

} // namespace palettra::texts
