# -*- coding: utf-8 -*-
# Copyright: Marlo developers
# GNU General Public License v3.0+ (see https://www.gnu.org/licenses/gpl-3.0.txt)

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
module: apply
short_description: Put a configuration on serial-to-Wi-Fi device servers
description:
  - Runs C(marlo-cli apply --json) on the managed machine. Every device on O(ports) is read, and
    written only when its settings differ from the configuration of O(config) with O(settings) and
    O(port_settings) over it; a device is read again after a write to check that it holds what was
    written.
  - A device the configuration is refused for by the program's rules is not written, and the task
    fails with the program's messages.
  - The devices are worked on in parallel, one thread per port.
version_added: "1.0.6"
options:
  config:
    description: A record file, as the program saves one, on the managed machine.
    type: path
    required: true
  ports:
    description: The serial ports of the devices, such as C(/dev/ttyUSB0).
    type: list
    elements: str
    required: true
  settings:
    description: Values over the record's for every device, by the names C(marlo-cli import) prints.
    type: dict
    default: {}
  port_settings:
    description: Values for one port only, over O(settings); a dictionary of such dictionaries by port.
    type: dict
    default: {}
  secrets:
    description:
      - The access point passphrase (C(ap)) and the server password (C(server)) to write. A device
        never discloses them, so a secret that is set on a device is written with the other changes
        but never makes a device differ by itself. They reach marlo-cli on its standard input.
    type: dict
    default: {}
  reboot:
    description: Have each device written reset, so that the wireless settings take effect.
    type: bool
    default: false
  marlo_cli:
    description: The marlo-cli program to run.
    type: path
    default: marlo-cli
attributes:
  check_mode:
    support: full
    description: Reports what would change and writes nothing.
  diff_mode:
    support: full
    description: The changed settings of every device, old and new.
author:
  - Marlo developers
"""

EXAMPLES = r"""
- name: Configure the device servers on the hub
  marlo.devices.apply:
    config: /srv/marlo/line-3.xml
    ports: [/dev/ttyUSB0, /dev/ttyUSB1]
    settings:
      line.baudRate: 115200
    port_settings:
      /dev/ttyUSB0: {ap.ipAddress: 10.0.1.1}
      /dev/ttyUSB1: {ap.ipAddress: 10.0.2.1}
    reboot: true
"""

RETURN = r"""
devices:
  description: One entry for each port, as C(marlo-cli apply --json) reports it.
  returned: always
  type: list
  elements: dict
  contains:
    port: {description: The port., type: str}
    device: {description: The name the backups of the device are kept under., type: str}
    result:
      description: C(unchanged), C(changed), C(would change), C(refused) or C(failed).
      type: str
    changes:
      description: The settings that differ, each with C(setting), C(label), C(old) and C(new).
      type: list
    refusals:
      description: The settings refused, each with C(setting) and the program's C(message).
      type: list
    written: {description: Whether a record was sent to the device., type: bool}
    reason: {description: Why the port failed., type: str}
    backup: {description: The backup of the device's configuration before the run., type: str}
"""

import json

from ansible.module_utils.basic import AnsibleModule


def text(module, name, value):
    if isinstance(value, bool):
        return "1" if value else "0"
    if isinstance(value, (str, int)):
        return str(value)
    module.fail_json(msg="%s must be a text or a number, not %r" % (name, value))


def command(module):
    params = module.params
    args = [params["marlo_cli"], "--lang", "en", "apply", params["config"]]
    for port in params["ports"]:
        args += ["--port", port]
    for name, value in sorted(params["settings"].items()):
        args += ["--set", "%s=%s" % (name, text(module, name, value))]
    for port, values in sorted(params["port_settings"].items()):
        if port not in params["ports"]:
            module.fail_json(msg="port_settings names %s, which is not in ports" % port)
        if not isinstance(values, dict):
            module.fail_json(msg="port_settings of %s must be a dictionary of settings" % port)
        for name, value in sorted(values.items()):
            args += ["--port-set", "%s:%s=%s" % (port, name, text(module, name, value))]
    for name in params["secrets"]:
        if name not in ("ap", "server"):
            module.fail_json(msg="secrets takes ap and server, not %s" % name)
    if params["secrets"]:
        # On standard input: the command line is there for every user of the machine to read.
        args.append("--secrets-stdin")
    if params["reboot"]:
        args.append("--reboot")
    if module.check_mode:
        args.append("--dry-run")
    args.append("--json")
    return args


def diff_of(devices):
    before, after = [], []
    for device in devices:
        for change in device.get("changes", []):
            before.append("%s %s: %s\n" % (device["port"], change["setting"], change["old"]))
            after.append("%s %s: %s\n" % (device["port"], change["setting"], change["new"]))
    return {"before": "".join(before), "after": "".join(after)}


def main():
    module = AnsibleModule(
        argument_spec=dict(
            config=dict(type="path", required=True),
            ports=dict(type="list", elements="str", required=True),
            settings=dict(type="dict", default={}),
            port_settings=dict(type="dict", default={}),
            secrets=dict(type="dict", default={}, no_log=True),
            reboot=dict(type="bool", default=False),
            marlo_cli=dict(type="path", default="marlo-cli"),
        ),
        supports_check_mode=True,
    )
    secrets = "".join("%s=%s\n" % (name, value) for name, value in sorted(module.params["secrets"].items()))
    rc, out, err = module.run_command(command(module), data=secrets or None, binary_data=True)
    try:
        devices = [json.loads(line) for line in out.splitlines() if line.strip()]
    except ValueError:
        module.fail_json(msg="marlo-cli apply printed what is no JSON", rc=rc, stdout=out, stderr=err)
    if rc == 2 or not devices:
        module.fail_json(msg=err.strip() or "marlo-cli apply ran no device", rc=rc, stderr=err)

    if module.check_mode:
        changed = any(d["result"] == "would change" for d in devices)
    else:
        changed = any(d.get("written") for d in devices)
    result = dict(changed=changed, devices=devices)
    if module._diff:
        result["diff"] = diff_of(devices)
    troubles = [d for d in devices if d["result"] in ("refused", "failed")]
    if troubles:
        lines = []
        for device in troubles:
            lines.append("%s: %s" % (device["port"], device["result"]))
            lines += ["  %s: %s" % (r["setting"], r["message"]) for r in device.get("refusals", [])]
            if device.get("reason"):
                lines.append("  " + device["reason"].strip())
        module.fail_json(msg="\n".join(lines), **result)
    module.exit_json(**result)


if __name__ == "__main__":
    main()
