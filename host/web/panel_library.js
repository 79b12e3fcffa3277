// The WebAssembly side's view of the page (linked with --js-library): every call goes to the
// page's VantroPage object (host/web/page/panel.js). panel_yield and panel_wait_event suspend
// the instrument's code with Asyncify and resume it from the browser's event loop.
mergeInto(LibraryManager.library, {
  panel_yield__deps: ['$Asyncify'],
  panel_yield: function(untilNextFrame) {
    return Asyncify.handleSleep(function(wakeUp) { VantroPage.resumeSoon(wakeUp, untilNextFrame !== 0); });
  },
  panel_wait_event__deps: ['$Asyncify'],
  panel_wait_event: function() {
    return Asyncify.handleSleep(function(wakeUp) { VantroPage.resumeOnEvent(wakeUp); });
  },
  panel_next_event: function(numbers) {
    var event = VantroPage.nextEvent();
    if (!event) return 0;
    HEAP32[numbers >> 2] = event[1];
    HEAP32[(numbers >> 2) + 1] = event[2];
    return event[0];
  },
  panel_rejected: function(kind, a, b) { VantroPage.rejected(kind, a, b); },
  panel_show: function(display, displayChanged, lines, linesLength, cycles, runDepth) {
    VantroPage.show(displayChanged ? HEAPU8.subarray(display, display + 128 * 64 * 4) : null,
                    HEAPU8.subarray(lines, lines + linesLength), cycles >>> 0, runDepth);
  },
  panel_set_label: function(label, value) { VantroPage.setLabel(label, value); },
  panel_set_lamp: function(colour) { VantroPage.setLamp(colour >>> 0); },
  panel_add_slider: function(trackBar, title, nameLabel, valueLabel) {
    VantroPage.addSlider(trackBar, UTF8ToString(title), nameLabel, valueLabel);
  },
  panel_set_slider: function(trackBar, position) { VantroPage.setSlider(trackBar, position); },
  panel_flight_status: function(text) { VantroPage.flightStatus(UTF8ToString(text)); },
  panel_start_timers: function(timer1Ms, timer2Ms) { VantroPage.startTimers(timer1Ms, timer2Ms); },
});
