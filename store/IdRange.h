#pragma once

// Records hold 32-bit IDs, and SQLite's rowids are 64-bit: another program may write a row whose
// ID does not fit. Every query that reads IDs into records keeps to this condition, so such a
// row is left out instead of being read as some other record's ID. A macro, so that it joins the
// statement texts at compile time.
#define LM_ID_FITS_32_BITS "ID BETWEEN -2147483648 AND 2147483647"
