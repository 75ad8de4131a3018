#pragma once

// What Qt WebEngine must learn before the application object exists: that it shares its OpenGL
// context with the widgets, the scheme of the program's own start page, and that screen readers
// may read the web pages.
namespace WebEngineSetup {

void beforeApplication();

} // namespace WebEngineSetup
