// The touch controls: a D-pad and the game's buttons, shown on touch screens only. Each finger
// is followed on its own, so several work at once; a finger that slides across the D-pad turns
// the hero with it. A held control repeats as a held key does: once, then after a pause again
// and again, until the finger lifts.
(function () {
  'use strict';
  var kRepeatDelayMs = 500;
  var kRepeatIntervalMs = 40;
  var root = document.documentElement;

  function showControls() {
    root.classList.add('touch');
  }
  if (navigator.maxTouchPoints > 0 || window.matchMedia('(any-pointer: coarse)').matches) {
    showControls();
  }
  window.addEventListener('touchstart', showControls, {once: true, passive: true});

  function send(name, down, repeat) {
    if (!Module.calledRun || root.classList.contains('failed')) return;
    Module.ccall('quenlit_page_key', null, ['string', 'number', 'number'],
                 [name, down ? 1 : 0, repeat ? 1 : 0]);
  }

  // One control held: the key goes down at once and repeats while held.
  function Hold(name, shown) {
    var timer = null;
    shown.classList.add('held');
    send(name, true, false);
    var again = function () {
      send(name, true, true);
      timer = setTimeout(again, kRepeatIntervalMs);
    };
    timer = setTimeout(again, kRepeatDelayMs);
    this.name = name;
    this.release = function () {
      clearTimeout(timer);
      shown.classList.remove('held');
      send(name, false, false);
    };
  }

  // Follows the fingers on one element: press(event) names the key a finger holds there (or
  // nothing), and shownFor(key) the element that lights up while it is held.
  function follow(element, press, shownFor) {
    var holds = {};
    function update(event) {
      var name = press(event);
      var hold = holds[event.pointerId];
      if (hold && hold.name === name) return;
      if (hold) hold.release();
      delete holds[event.pointerId];
      if (name) holds[event.pointerId] = new Hold(name, shownFor(name));
    }
    function lift(event) {
      var hold = holds[event.pointerId];
      if (!hold) return;
      hold.release();
      delete holds[event.pointerId];
    }
    element.addEventListener('pointerdown', function (event) {
      event.preventDefault();
      element.setPointerCapture(event.pointerId);
      update(event);
    });
    element.addEventListener('pointermove', function (event) {
      if (holds[event.pointerId]) update(event);
    });
    ['pointerup', 'pointercancel', 'lostpointercapture'].forEach(function (type) {
      element.addEventListener(type, lift);
    });
    element.addEventListener('contextmenu', function (event) {
      event.preventDefault();
    });
  }

  // The D-pad: the direction from its centre to the finger, none in the middle.
  var pad = document.getElementById('dpad');
  var arrows = {Up: '.up', Down: '.down', Left: '.left', Right: '.right'};
  follow(pad, function (event) {
    var box = pad.getBoundingClientRect();
    var x = event.clientX - (box.left + box.width / 2);
    var y = event.clientY - (box.top + box.height / 2);
    if (Math.hypot(x, y) < box.width * 0.12) return null;
    if (Math.abs(x) > Math.abs(y)) return x < 0 ? 'Left' : 'Right';
    return y < 0 ? 'Up' : 'Down';
  }, function (name) {
    return pad.querySelector(arrows[name]);
  });

  Array.prototype.forEach.call(document.querySelectorAll('#buttons button[data-key]'),
    function (button) {
      follow(button, function () {
        return button.dataset.key;
      }, function () {
        return button;
      });
    });
})();
