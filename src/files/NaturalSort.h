#pragma once
// Numeric order of file names; written next.
