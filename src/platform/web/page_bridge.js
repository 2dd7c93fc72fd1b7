// What the program tells the page (Module.quenlitPage, set up by the page before the program
// loads): the game's message boxes, that it has loaded, and its end.
mergeInto(LibraryManager.library, {
  quenlit_page_message: function(caption, text) {
    if (Module.quenlitPage) Module.quenlitPage.gameMessage(UTF8ToString(caption), UTF8ToString(text));
  },
  quenlit_page_loaded: function() {
    if (Module.quenlitPage) Module.quenlitPage.gameLoaded();
  },
  quenlit_page_stopped: function(code) {
    if (Module.quenlitPage) Module.quenlitPage.gameStopped(code);
  },
});
