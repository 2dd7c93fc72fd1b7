// The last line of quenlit.js: a program cut short on its way to the page never says it.
Module.quenlitProgramWhole = true;
