// The TQ-5820 front panel in a browser: paints what the program sends over
// the WebSocket and sends the operator's clicks, holds and choices back as
// the panel's own operations. The program decides everything; the page only
// shows and asks. Message format: docs/web-panel-protocol.md.

const $ = (id) => document.getElementById(id);
const panel = $('panel');
let socket = null;
let heartbeat = null;
let retryMs = 500;
const holding = new Map(); // stepper -> {index, button}

function send(message) {
  if (socket && socket.readyState === WebSocket.OPEN) socket.send(JSON.stringify(message));
}

function setText(id, text) { $(id).textContent = text; }
function setBackground(id, colour) { $(id).style.backgroundColor = colour; }
function setForeground(id, colour) { $(id).style.color = colour; }
function setToggleButton(id) { return (v) => setText(id, v.caption); }

// Digit read-outs: "1420000" shows as 14,200.00 (10 Hz units).
const separators = { vfoA: { 1: ',', 4: '.' }, vfoB: { 1: ',', 4: '.' }, channel: {} };

function buildDigits(stepper, count) {
  const box = $(stepper);
  box.replaceChildren();
  for (let i = 0; i < count; i++) {
    const digit = document.createElement('button');
    digit.type = 'button';
    digit.dataset.index = i;
    digit.textContent = '0';
    digit.setAttribute('aria-label', `${stepper} digit ${i + 1}, upper half up, lower half down`);
    box.append(digit);
    const sep = separators[stepper][i];
    if (sep) {
      const span = document.createElement('span');
      span.className = 'sep';
      span.textContent = sep;
      box.append(span);
    }
  }
}

function showDigits(stepper, text) {
  const digits = $(stepper).querySelectorAll('button');
  digits.forEach((digit, i) => { digit.textContent = text[i] ?? ' '; });
}

function fillSelect(select, items) {
  select.replaceChildren(...items.map((item) => new Option(item, item)));
}

function showChoice(id, value) {
  const select = $(id);
  // A blank caption (before the radio reports) shows no item.
  select.value = value;
  if (select.value !== value) select.selectedIndex = -1;
}

// How each field of the panel model is shown.
const fields = {
  vfoA: (v) => showDigits('vfoA', v),
  vfoB: (v) => showDigits('vfoB', v),
  vfoBMode: (v) => showChoice('cmbVFOBMode', v),
  split: (v) => setText('lblSplit', v),
  infoLine: (v) => setText('lblInfo', v),
  mode: (v) => showChoice('cmbMode', v),
  agc: (v) => showChoice('cmbAGC', v),
  source: (v) => showChoice('cmbSource', v),
  digitalMode: (v) => showChoice('cmbDig', v),
  xmitActive: setToggleButton('cmdXmit'),
  tuning: setToggleButton('cmdTune'),
  transmitting: (v) => { setText('lblXMTRCV', v.caption); setBackground('lblXMTRCV', v.colour); },
  bandIndicator: (v) => setText('lblInBand', v),
  bandIndicatorColour: (v) => setBackground('lblInBand', v),
  remoteIndicator: (v) => setText('lblREMOTE', v),
  remoteIndicatorColour: (v) => setForeground('lblREMOTE', v),
  meterChecked: (v) => document.querySelectorAll('#optMeter input').forEach((o, i) => { o.checked = i === v; }),
  meterLabels: (v) => document.querySelectorAll('#optMeter span').forEach((label, i) => {
    if (v.lit === i) label.style.color = 'ButtonText';
    else if (v.greyed || v.lit !== null) label.style.color = 'GrayText';
  }),
  meterScale: (v) => setText('lblMeterScale', v),
  meterLevel: (v) => { $('pbMeter').value = v; },
  channel: (v) => showDigits('channel', v),
  channelOperation: setToggleButton('cmdVM'),
  ampPower: (v) => setText('lblAmpPwr', v),
  ampPowerColour: (v) => setBackground('lblAmpPwr', v),
  ampOperate: (v) => setText('lblAmpOpStby', v),
  ampOperateColour: (v) => setBackground('lblAmpOpStby', v),
  ampTune: (v) => setText('lblAmpTuned', v),
  ampTuneColour: (v) => setBackground('lblAmpTuned', v),
  info: (v) => setText('txtInfo', v),
  infoStandby: (v) => { $('txtInfo').dataset.standby = v; },
  comStatus: (v) => setText('lblComStat', v),
  lamp: (v) => setBackground('shaTrace', v),
  panelEnabled: (v) => { panel.disabled = !v; },
};

function applyFields(values) {
  for (const [name, value] of Object.entries(values)) fields[name]?.(value);
}

function applyControls(controls) {
  for (const [name, state] of Object.entries(controls)) {
    document.querySelectorAll(`[data-control="${name}"]`).forEach((el) => {
      el.hidden = !state.visible;
      const targets = el.matches('button, select, input') ? [el] : el.querySelectorAll('button, input');
      targets.forEach((t) => { t.disabled = !state.enabled; });
    });
  }
}

function hello(message) {
  fillSelect($('cmbMode'), message.items.mode);
  fillSelect($('cmbAGC'), message.items.agc);
  fillSelect($('cmbSource'), message.items.source);
  fillSelect($('cmbDig'), message.items.digitalMode);
  fillSelect($('cmbVFOBMode'), message.items.vfoBMode);
  $('bands').replaceChildren(...message.bands.map((band) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = band.request;
    button.dataset.request = band.request;
    button.title = band.tooltip;
    button.textContent = band.caption;
    return button;
  }));
  $('optMeter').replaceChildren(...message.meters.map((name, i) => {
    const label = document.createElement('label');
    const option = document.createElement('input');
    option.type = 'radio';
    option.name = 'meter';
    option.id = `optMeter_${i}`;
    option.addEventListener('change', () => send({ t: 'meter', value: i }));
    const caption = document.createElement('span');
    caption.textContent = name;
    label.append(option, caption);
    return label;
  }));
  applyFields(message.fields);
  applyControls(message.controls);
  clearInterval(heartbeat);
  heartbeat = setInterval(() => send({ t: 'heartbeat' }), message.heartbeatMs);
}

function holds(message) {
  const ptt = $('cmdPTT');
  ptt.classList.toggle('held', message.mine.includes('ptt'));
  ptt.dataset.elsewhere = message.others.includes('ptt');
}

const messages = {
  hello,
  update: (m) => { applyFields(m.fields); applyControls(m.controls); },
  holds,
  refused: (m) => {
    setText('connection', m.reason);
    setTimeout(() => setText('connection', 'Connected'), 3000);
  },
};

function connect() {
  const scheme = location.protocol === 'https:' ? 'wss' : 'ws';
  socket = new WebSocket(`${scheme}://${location.host}/ws`);
  socket.addEventListener('open', () => { retryMs = 500; setText('connection', 'Connected'); });
  socket.addEventListener('message', (event) => {
    const message = JSON.parse(event.data);
    messages[message.t]?.(message);
  });
  socket.addEventListener('close', (event) => {
    clearInterval(heartbeat);
    holding.clear();
    panel.disabled = true;
    if (event.code === 1008 && /Log in|Logged out/.test(event.reason)) {
      location.assign('/login');
      return;
    }
    setText('connection', 'Reconnecting...');
    setTimeout(connect, retryMs);
    retryMs = Math.min(retryMs * 2, 8000);
  });
}

// Holding: press on pointer down, release on pointer up or cancel; the
// program repeats the step while held, as the window's buttons do.
function press(stepper, index, button) {
  if (holding.has(stepper)) return;
  holding.set(stepper, { index, button });
  send({ t: 'press', stepper, index, button });
}

function release(stepper) {
  const held = holding.get(stepper);
  if (!held) return;
  holding.delete(stepper);
  send({ t: 'release', stepper, index: held.index, button: held.button });
}

function releaseAll() { [...holding.keys()].forEach(release); }

function wireStepper(box) {
  const stepper = box.dataset.stepper;
  box.addEventListener('contextmenu', (event) => event.preventDefault());
  box.addEventListener('pointerdown', (event) => {
    const target = event.target.closest('button');
    if (!target || target.disabled) return;
    event.preventDefault();
    target.setPointerCapture(event.pointerId);
    const index = Number(target.dataset.index ?? 0);
    if (stepper === 'ptt') {
      if (event.button === 0) press(stepper, 0, 1);
      return;
    }
    const rect = target.getBoundingClientRect();
    const upper = event.button === 2 ? false : event.clientY < rect.top + rect.height / 2;
    press(stepper, index, upper ? 1 : 2);
  });
  for (const type of ['pointerup', 'pointercancel', 'lostpointercapture']) {
    box.addEventListener(type, () => release(stepper));
  }
  if (stepper !== 'ptt') {
    box.addEventListener('wheel', (event) => {
      const target = event.target.closest('button');
      if (!target || target.disabled || holding.has(stepper)) return;
      event.preventDefault();
      const index = Number(target.dataset.index);
      const button = event.deltaY < 0 ? 1 : 2;
      send({ t: 'press', stepper, index, button });
      send({ t: 'release', stepper, index, button });
    }, { passive: false });
  }
  box.addEventListener('keydown', (event) => {
    if ((event.key === ' ' || event.key === 'Enter') && !event.repeat && stepper === 'ptt') {
      event.preventDefault();
      press(stepper, 0, 1);
    }
  });
  box.addEventListener('keyup', (event) => {
    if (event.key === ' ' || event.key === 'Enter') release(stepper);
  });
}

document.addEventListener('click', (event) => {
  const button = event.target.closest('[data-request]');
  if (button && !button.disabled) send({ t: 'click', request: button.dataset.request });
});
document.querySelectorAll('select[data-box]').forEach((select) => {
  select.addEventListener('change', () => send({ t: 'choose', box: select.dataset.box, value: select.value }));
});
// A page in the background cannot be trusted to keep its heartbeat: let go.
document.addEventListener('visibilitychange', () => { if (document.hidden) releaseAll(); });
window.addEventListener('blur', releaseAll);

buildDigits('vfoA', 7);
buildDigits('vfoB', 7);
buildDigits('channel', 2);
document.querySelectorAll('[data-stepper]').forEach(wireStepper);
connect();
