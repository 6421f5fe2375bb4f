<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>นาที</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>ชั่วโมง</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>รับทราบ</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>วินาที</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>ข้อผิดพลาดของระบบ</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>ตรวจหาอัตโนมัติ</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>โปรดตรวจสอบเครือข่าย</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>雅虎</source>
        <translation>Yahoo</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>การตั้งค่าเมาส์</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>การตั้งค่าอัจฉริยะ</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>การตั้งค่าซอฟต์แวร์</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>การปรับแต่งส่วนตัว</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>การกำหนดลักษณะ</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>การตั้งค่าปากกาอัจฉริยะ</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>เปิดหน้าต่างหลัก</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>คู่มือการใช้งาน</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>สิทธิ์การเข้าถึง</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>ไม่พบอุปกรณ์</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>เสียบตัวรับสัญญาณเข้ากับพอร์ต USB ของคอมพิวเตอร์ หรือเชื่อมต่อเมาส์ผ่านบลูทูธ</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>หน้าการตั้งค่าจะเปิดขึ้นเองเมื่อเชื่อมต่ออุปกรณ์แล้ว</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>แบตเตอรี่ต่ำ กรุณาชาร์จ</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>ภาษาของอินเทอร์เฟซ</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>เริ่มทำงานเมื่อเข้าสู่ระบบ</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>ตั้งค่าไม่สำเร็จ</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>รายการต่อไปนี้กำหนดว่าฟีเจอร์ใดใช้งานได้</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>การเข้าถึงอุปกรณ์</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>อ่านและเขียนโหนดอุปกรณ์ HID ของตัวรับสัญญาณ เพื่อเชื่อมต่ออุปกรณ์และรับปุ่มกับเสียง</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>ติดตั้งกฎ udev ที่มากับโปรแกรม แล้วเสียบตัวรับสัญญาณใหม่:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>การช่วยการเข้าถึง</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>บัสการช่วยการเข้าถึงของเดสก์ท็อป (AT-SPI) สำหรับเขียนข้อความที่รู้จำได้ลงในช่องป้อนข้อมูลโดยตรง</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>ติดตั้ง at-spi2-core เปิดการช่วยการเข้าถึงในการตั้งค่าระบบ แล้วเข้าสู่ระบบใหม่</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>เซสชัน X11</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>ปุ่มลัดส่วนกลาง การจำลองปุ่ม การตรวจจับอินพุต และการจับภาพหน้าจอต้องใช้เซสชัน X11</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>เลือกเซสชัน X11 (Xorg) ที่หน้าจอเข้าสู่ระบบ</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>จำกัด</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>ในเซสชัน Wayland การจำลองปุ่ม ปุ่มลัดส่วนกลาง การตรวจจับอินพุต และการจับภาพหน้าจอใช้ได้กับหน้าต่าง XWayland เท่านั้น ใช้กับหน้าต่าง Wayland แบบเนทีฟไม่ได้ หากต้องการใช้ทุกฟังก์ชัน ให้เลือกเซสชัน X11 (Xorg) ที่หน้าจอเข้าสู่ระบบ</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>ได้รับสิทธิ์แล้ว</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>ยังไม่ได้รับสิทธิ์</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>ไม่พบตัวรับสัญญาณ</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>กำลังตรวจสอบ</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>คัดลอกคำสั่ง</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>คัดลอกแล้ว</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>ตรวจสอบอีกครั้ง</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>การตั้งค่าเสริม</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>อ่านการตั้งค่าบางส่วนไม่ได้ จึงคืนค่าเริ่มต้นแล้ว</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>เก็บไฟล์การตั้งค่าเดิมไว้เป็น: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>การบันทึกเสียงล้มเหลว โปรดตรวจสอบไมโครโฟน</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>กดเร็วเกินไป</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>กรุณาพูด...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>ไม่ได้ยินเสียงพูด กรุณากดปุ่มเสียงแล้วพูดอีกครั้ง</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>เปลี่ยนเป็นโหมดพิมพ์แล้ว</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>เปลี่ยนเป็นโหมดแปลแล้ว</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>เชื่อมต่อเซิร์ฟเวอร์ไม่สำเร็จ โปรดตรวจสอบเครือข่าย</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>ไม่สามารถอ่านไฟล์เสียงได้</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>ไม่สามารถเล่นเสียงของคำตอบได้</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>วางไม่สำเร็จ</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>แปลไม่สำเร็จ</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>ไม่สามารถอ่านออกเสียงได้: ไม่มีเอนจินเสียงพูดหรืออุปกรณ์ส่งออกเสียง</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>ไม่สามารถเล่นเสียงได้</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>ไม่สามารถเปิดเบราว์เซอร์ได้</translation>
    </message>
</context>
</TS>
