// Work split over the machine's cores: the fields of the microscope are pure functions of
// position, so their parts can be rendered side by side and come out the same. The browser
// build has no threads and does the parts one after the other.
#pragma once

#include <functional>

namespace specimen {

// Calls work(k) once for every k in [0, count), on up to the machine's number of cores;
// returns when all calls have returned. Calls must not depend on each other.
void forEachPart(int count, const std::function<void(int)>& work);

}  // namespace specimen
