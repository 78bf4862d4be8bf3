#pragma once
// A header of the lower layer that the higher one may include.
