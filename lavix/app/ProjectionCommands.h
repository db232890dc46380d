// CMAS projections of rock analyses (`mcmas`) and mineral-composition diagrams (`mmin`): the
// analyses as molecular proportions, every diagram of the chosen file drawn on one page.
#pragma once

namespace lavix::app {

class Session;

// "Read a File first" without data; a cancelled file dialog changes nothing. CMAS files also
// ask for the ferric/ferrous ratio that splits each analysis's iron.
void mcmas(Session& session);
void mmin(Session& session);

}  // namespace lavix::app
