#pragma once

namespace palettra::toolkit {

// Whether an assistive tool reads the program now. Until one does, the handlers pay nothing for
// descriptions and announcements: no one would hear them.
bool AssistiveToolsListen();

// Has every open window describe itself as it stands each time an assistive tool starts to listen,
// for the first time or again: what it was told while no tool listened is out of date.
void DescribeWhenToolsStartListening();

} // namespace palettra::toolkit
