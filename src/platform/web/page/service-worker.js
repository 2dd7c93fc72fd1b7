// Keeps the page's files in the browser so that the game opens and plays without a network
// once it has been played. Each build has a version of its own: an updated page brings a
// worker of a new version, which fills a cache of its own, takes over and drops the old ones.
'use strict';
var version = '@VERSION@';
var files = @FILES@;
var cacheName = 'quenlit-' + version;

self.addEventListener('install', function (event) {
  event.waitUntil(caches.open(cacheName).then(function (cache) {
    // Past the browser's HTTP cache (revalidated), so that the copy is this build's.
    return cache.addAll(files.map(function (file) {
      return new Request(file, {cache: 'no-cache'});
    }));
  }).then(function () {
    return self.skipWaiting();
  }));
});

self.addEventListener('activate', function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (name) {
      return name.indexOf('quenlit-') === 0 && name !== cacheName;
    }).map(function (name) {
      return caches.delete(name);
    }));
  }).then(function () {
    return self.clients.claim();
  }));
});

// The kept copy first; every page of the folder opens as the game's page.
self.addEventListener('fetch', function (event) {
  var request = event.request;
  if (request.method !== 'GET') return;
  event.respondWith(caches.open(cacheName).then(function (cache) {
    var kept = request.mode === 'navigate' ? cache.match('quenlit.html')
                                           : cache.match(request, {ignoreSearch: true});
    return kept.then(function (response) {
      return response || fetch(request);
    });
  }));
});
