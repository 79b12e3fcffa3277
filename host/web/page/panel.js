// The page's side of the browser front panel. The page only queues what the person does and
// what its timers tick; the instrument (vantro2-web.js) takes the events inside its message
// pump and hands back the display, the labels, the lamp and the "Communication Window" lines.
'use strict';

// Event kinds, as numbered in host/web/web_panel.h.
const PageEvent = { On: 1, Off: 2, Key: 3, Slider: 4, Check: 5, Timer1: 6, Timer2: 7, Clock: 8, Demo: 9, Hold: 10, Speed: 11 };
const EventNames = ['', 'ON', 'OFF', 'key', 'slider', 'check box', 'Timer1', 'Timer2', 'clock', 'demo flight', 'pause',
                    'speed'];
// Key codes of the push buttons and the knob.
const Key = { Centre: 1, Clockwise: 2, AntiClockwise: 3, Left: 4, Right: 5 };
const CommWindowMaxLines = 500;   // as many lines as the desktop window's text box keeps
const WheelNotch = 50;            // wheel travel (pixels) of one knob step; a notch gives 53..120

// The keyboard works the instrument's keys wherever the focus is; the knob keys repeat when
// held down, the push buttons take one press.
const KeyBindings = {
  Enter: { code: Key.Centre, repeats: false },
  ArrowLeft: { code: Key.Left, repeats: false },
  ArrowRight: { code: Key.Right, repeats: false },
  ArrowUp: { code: Key.Clockwise, repeats: true },
  '+': { code: Key.Clockwise, repeats: true },
  ArrowDown: { code: Key.AntiClockwise, repeats: true },
  '-': { code: Key.AntiClockwise, repeats: true },
};

const $ = (id) => document.getElementById(id);

const VantroPage = {
  events: [],
  waiter: null,            // the instrument's resume function while it waits for an event
  cycles: 0,               // cycles run since the page was loaded
  runDepth: 0,             // runs nested inside one another, 0 while the instrument is off
  ready: false,            // the instrument waits for the first event
  clockText: '',           // the address's clock= value
  onPaint: null,           // called after every display update (tests and benchmarks)
  lines: [],
  linesShown: true,
  channel: new MessageChannel(),
  resumeQueue: [],

  /** Queues one event for the instrument's next message pump. */
  post(kind, a = 0, b = 0) {
    this.events.push([kind, a, b]);
    if (this.waiter) {
      const resume = this.waiter;
      this.waiter = null;
      resume();
    }
  },
  nextEvent() { return this.events.shift(); },

  /** Resumes the instrument once the browser has had its turn (or at the next frame). */
  resumeSoon(resume, untilNextFrame) {
    if (untilNextFrame) {
      requestAnimationFrame(() => resume());
    } else {
      this.resumeQueue.push(resume);
      this.channel.port2.postMessage(0);  // unlike setTimeout(0), never held back to 4 ms
    }
  },
  /** Resumes the instrument when an event is queued. */
  resumeOnEvent(resume) {
    if (this.events.length > 0) resume();
    else this.waiter = resume;
  },

  rejected(kind, a, b) {
    if (kind === PageEvent.Clock) this.status(`ignored: clock=${this.clockText} is not a valid date and time`);
    else this.status(`ignored: ${EventNames[kind] || 'unknown event ' + kind} ${a} ${b} is out of range`);
  },

  show(display, lineBytes, cycles, runDepth) {
    this.cycles = cycles;
    if (runDepth !== this.runDepth) {
      this.runDepth = runDepth;
      this.status(runDepth === 0 ? 'Off.' : runDepth === 1 ? 'Running.' : `Running, ${runDepth} runs nested.`);
    }
    if (display) {
      this.image.data.set(display);
      this.context.putImageData(this.image, 0, 0);
      if (this.onPaint) this.onPaint();
    }
    if (lineBytes.length > 0) this.addLines(this.decoder.decode(lineBytes));
  },

  addLines(text) {
    const lines = text.split('\n');
    lines.pop();  // the text ends with a line break
    this.lines.push(...lines);
    if (this.lines.length > CommWindowMaxLines) this.lines.splice(0, this.lines.length - CommWindowMaxLines);
    if (!this.linesShown) return;
    // The text box is brought up to date once a frame, not once a cycle.
    this.linesShown = false;
    requestAnimationFrame(() => {
      this.linesShown = true;
      const memo = $('memo1');
      memo.value = this.lines.join('\n');
      memo.scrollTop = memo.scrollHeight;
    });
  },

  setLabel(label, value) {
    const element = $('label' + label);
    if (element) element.textContent = String(value);
  },

  /** The lamp's colour comes as 0x00BBGGRR. */
  setLamp(colour) {
    const rgb = (colour & 0xff) << 16 | (colour & 0xff00) | (colour >> 16 & 0xff);
    $('shape1').style.background = '#' + rgb.toString(16).padStart(6, '0');
  },

  /** One slider row from the top: its name label, its value label and the slider. */
  addSlider(trackBar, title, nameLabel, valueLabel) {
    const row = $('sliders').childElementCount / 3;
    const label = (number, text, x, width) => {
      const element = document.createElement('div');
      element.className = 'label';
      element.id = 'label' + number;
      element.textContent = text;
      Object.assign(element.style, { left: x + 'px', top: 16 + 32 * row + 'px', width: width + 'px' });
      $('sliders').appendChild(element);
    };
    label(nameLabel, title, 336, 48 + (title.length > 8 ? 8 : 0));
    label(valueLabel, '0', 384 + (title.length > 8 ? 8 : 0), 32);
    const slider = document.createElement('input');
    Object.assign(slider, { type: 'range', min: 0, max: 4096, value: 1, className: 'slider', id: 'trackbar' + trackBar,
                            title: `${title} input (0..4096)` });
    slider.style.top = 8 + 32 * row + 'px';
    slider.addEventListener('input', () => this.post(PageEvent.Slider, trackBar, Number(slider.value)));
    $('sliders').appendChild(slider);
  },

  /** A playing flight moved a slider. */
  setSlider(trackBar, position) { $('trackbar' + trackBar).value = position; },

  /** The flight's state, next to its menu; Pause and Resume follow it. */
  flightStatus(text) {
    $('flightstatus').textContent = text;
    const pause = $('flightpause');
    pause.disabled = !/^(Playing|Paused) /.test(text);
    pause.textContent = text.startsWith('Paused ') ? 'Resume' : 'Pause';
  },

  startTimers(timer1Ms, timer2Ms) {
    setInterval(() => this.post(PageEvent.Timer1), timer1Ms);
    setInterval(() => this.post(PageEvent.Timer2), timer2Ms);
  },

  status(text) { $('statusbar1').textContent = text; },

  /** ?clock=YYYY-MM-DDTHH:MM:SS stops the host clock at that time (demonstrations, tests). */
  freezeClockFromAddress() {
    const value = new URLSearchParams(location.search).get('clock');
    if (value === null) return;
    this.clockText = value;
    const parts = /^(\d{4})-(\d{2})-(\d{2})T(\d{2}):(\d{2}):(\d{2})$/.exec(value);
    if (!parts) {
      this.status(`ignored: clock=${value} is not YYYY-MM-DDTHH:MM:SS`);
      return;
    }
    const number = (a, b, c) => Number(parts[a] + parts[b] + parts[c]);
    this.post(PageEvent.Clock, number(1, 2, 3), number(4, 5, 6));
  },

  connectControls() {
    $('button1').addEventListener('click', () => this.post(PageEvent.On));
    $('button2').addEventListener('click', () => this.post(PageEvent.Off));
    for (const element of document.querySelectorAll('[data-key]'))
      element.addEventListener('click', () => this.post(PageEvent.Key, Number(element.dataset.key)));
    for (const box of document.querySelectorAll('[data-check]'))
      box.addEventListener('change', () => this.post(PageEvent.Check, Number(box.dataset.check), box.checked ? 1 : 0));
    window.addEventListener('keydown', (event) => {
      const binding = KeyBindings[event.key];
      if (!binding || event.ctrlKey || event.altKey || event.metaKey) return;
      event.preventDefault();
      if (!event.repeat || binding.repeats) this.post(PageEvent.Key, binding.code);
    });
    $('demoflight').addEventListener('change', (event) => {
      if (event.target.value === '') return;
      this.post(PageEvent.Speed, Number($('flightspeed').value));
      this.post(PageEvent.Demo, Number(event.target.value));
    });
    $('flightspeed').addEventListener('change', (event) => this.post(PageEvent.Speed, Number(event.target.value)));
    $('flightpause').addEventListener('click', (event) =>
      this.post(PageEvent.Hold, event.target.textContent === 'Pause' ? 1 : 0));
    let wheelRest = 0;
    $('face').addEventListener('wheel', (event) => {
      event.preventDefault();
      const scale = [1, 40, 800][event.deltaMode] || 1;  // pixels, lines, pages
      wheelRest -= event.deltaY * scale;
      if (wheelRest >= WheelNotch) this.post(PageEvent.Key, Key.Clockwise);
      else if (wheelRest <= -WheelNotch) this.post(PageEvent.Key, Key.AntiClockwise);
      wheelRest %= WheelNotch;
    }, { passive: false });
    this.channel.port1.onmessage = () => this.resumeQueue.shift()();
  },

  start() {
    this.context = $('image1').getContext('2d');
    this.image = this.context.createImageData(128, 64);
    this.decoder = new TextDecoder('windows-1252');
    this.connectControls();
    this.status('Press "ON".');
    this.freezeClockFromAddress();
    this.ready = true;
  },
};
window.VantroPage = VantroPage;

var Module = {
  onRuntimeInitialized() { VantroPage.start(); },
  onAbort(what) { VantroPage.status('The instrument stopped: ' + what); },
  printErr(text) { console.error(text); },
};
