#pragma once

// The program's pictures (":/images/...") are compiled into the core library. A static
// library only brings its compiled-in resources along when something refers to them, so
// every window that shows one of the pictures calls this first. Registering is done once.
void EnsureProgramPictures();
