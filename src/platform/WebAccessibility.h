#pragma once

// Qt WebEngine on Linux keeps web pages off the accessibility bus unless told otherwise, and a
// screen reader then finds each page empty. Turned on here, it costs nothing while no assistive
// technology listens: the engine builds a page's accessibility tree only once Qt's accessibility
// is active. A value the user set is left alone. Called before the application object exists.
namespace WebAccessibility {

void enable();

} // namespace WebAccessibility
